#pragma once

#include <QStringView>

// The fixed lines of a registry script that the writer produces and the reader recognises.
namespace RegistryScriptSyntax {

inline constexpr QStringView kRegedit4Header = u"REGEDIT4";
inline constexpr QStringView kVersion5Header = u"Windows Registry Editor Version 5.00";
// This program's key; each store section is a subkey of it.
inline constexpr QStringView kProgramKey =
    u"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Tickvane";

}  // namespace RegistryScriptSyntax
