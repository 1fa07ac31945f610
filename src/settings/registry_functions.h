// RegistryFunctions: read a registry value, write one, create a key, each in one call that
// opens, acts and closes, reporting failure through a numeric error code (0 = success,
// the platform's registry code, or kUnhandledRegType for a type not handled here).
// None of them raises or shows anything.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform/services.h"

namespace qs {

// A value read from or written to the registry. Empty (monostate) is distinct from an
// empty string: it is what a read gives when nothing was read and no default was given.
// float stands for the kinds no registry type is chosen for (single precision and the like).
using RegVariant = std::variant<std::monostate, std::string, std::int16_t, std::int32_t, bool, double, float>;

// Read control plus query value, set value, create subkey, enumerate subkeys, notify, create link.
inline constexpr std::uint32_t kRegAccess = 0x2003F;
inline constexpr std::int32_t kUnhandledRegType = 9999999;
// The error code when the process has no registry service at all.
inline constexpr std::int32_t kNoRegistryService = 1; // ERROR_INVALID_FUNCTION

// Reads a value: REG_SZ as text (its terminating zero dropped), REG_DWORD as a 32-bit
// integer, REG_BINARY as the whole 1024-character buffer; any other type is error
// kUnhandledRegType. On any error the result is Default (empty when none is given).
// lValueType receives the type the query reported and is untouched when the key cannot
// be opened. Data over 1024 bytes fails with ERROR_MORE_DATA and so gives the default.
RegVariant GetRegValue(platform::RegKey hKey, const std::string& strPath, const std::string& strValueName,
                       std::uint32_t& lValueType, std::int32_t& lErrorCode, const RegVariant& Default = {});

// Writes a value into an existing key (a trailing "\" of the path is ignored; the key is
// never created): text and double-precision numbers as REG_SZ, 16/32-bit integers and
// Booleans as REG_DWORD (true is -1); empty and other kinds give kUnhandledRegType.
bool SetRegValue(platform::RegKey hKey, const std::string& strPath, const std::string& strValueName,
                 const RegVariant& vValue, std::int32_t* lErrorCode = nullptr);

// Creates strNewKey (every missing level of it) below the existing key strParent.
bool CreateRegKey(platform::RegKey hKey, const std::string& strParent, const std::string& strNewKey,
                  std::int32_t* lErrorCode = nullptr);

// A double-precision number as text: up to 15 significant digits, "." as the decimal point,
// an exponent ("1E+20", "1.5E-07") below 1E-4 and from 1E+15 on.
std::string DoubleText(double value);

} // namespace qs
