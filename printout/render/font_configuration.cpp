#include "printout/render/font_configuration.h"

#include <fontconfig/fontconfig.h>

namespace nubera::printout {

void LoadFontConfiguration() {
    FcConfig* config = FcConfigCreate();
    if (config && FcConfigParseAndLoad(config, nullptr, FcTrue) && FcConfigBuildFonts(config) &&
        FcConfigSetCurrent(config)) {
        // The current configuration holds a reference of its own.
        FcConfigDestroy(config);
        return;
    }
    if (config) FcConfigDestroy(config);
    FcInit();
}

}  // namespace nubera::printout
