# Sourced by the test scripts: stage NAME COMMAND... prints the stage's name as it starts, runs the
# command and prints its time when it ends (a failing command ends the script as before). Its
# variables carry a prefix of their own: the command may be a function that sets plain names.
stage() {
  local stage_name="$1" stage_start=$SECONDS
  shift
  echo "==> $stage_name"
  "$@"
  local stage_took=$((SECONDS - stage_start))
  printf '==> %s: %dm%02ds\n' "$stage_name" $((stage_took / 60)) $((stage_took % 60))
}
