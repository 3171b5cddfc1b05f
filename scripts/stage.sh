# Sourced by the test scripts: stage NAME COMMAND... prints the stage's name as it starts, runs the
# command and prints its time when it ends (a failing command ends the script as before).
stage() {
  local name="$1" start=$SECONDS
  shift
  echo "==> $name"
  "$@"
  local took=$((SECONDS - start))
  printf '==> %s: %dm%02ds\n' "$name" $((took / 60)) $((took % 60))
}
