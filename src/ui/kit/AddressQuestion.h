#pragma once

class Platform;
class QLineEdit;

// At Done: an address that the pages show without a link is kept when the user says so, and
// otherwise the user goes back to its field. True when Done may go on. Nothing is refused:
// the text stays as typed either way.
bool KeepAddress(Platform& platform, QLineEdit& field);
