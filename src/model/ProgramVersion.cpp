#include "model/ProgramVersion.h"

QString ProgramVersion() {
    return QStringLiteral(TICKVANE_VERSION);
}
