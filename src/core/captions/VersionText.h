#pragma once

#include <QString>

namespace tabwise {

// "Version " and the major, minor and revision numbers in decimal, separated by dots.
QString versionText(int major, int minor, int revision);
// The version text of this build.
QString buildVersionText();

} // namespace tabwise
