#pragma once

#include <QString>

namespace corvane {

// What the about box says: the program and its version, then who made it and
// under which licence.
QString AboutText();

}  // namespace corvane
