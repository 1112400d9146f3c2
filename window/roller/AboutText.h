#pragma once

#include <QString>

namespace corvane {

// What the about box says: the program and its version, then who made it and
// where to write.
QString AboutText();

}  // namespace corvane
