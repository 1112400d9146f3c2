#include "window/common/Announcer.h"

namespace corvane {

Announcer::Announcer(QObject* parent) : QObject(parent) {}

void Announcer::Announce(const QString& text) { emit announced(text); }

}  // namespace corvane
