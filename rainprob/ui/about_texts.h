// What rainprob's version window shows.
#pragma once

#include "common/ui/about_window.h"

namespace rain {

hc::AboutTexts RainprobAbout();

}  // namespace rain
