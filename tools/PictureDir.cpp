// The picture folder of the sample programs (declared in PrintingHost.h); kept apart from the
// printing host so that programs which print without it (the engine-drawn sample host) can use it.
#include <cstring>
#include <filesystem>
#include <string>

#include "tools/PrintingHost.h"

namespace orv::sample {

std::string PictureDirFromArgs(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--pictures") == 0) {
            return argv[i + 1];
        }
    }
    const std::filesystem::path program = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    return (program.parent_path().parent_path() / "sample-frames").string();
}

}  // namespace orv::sample
