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

// A value read from or written to the registry: text (REG_SZ) or a 32-bit number
// (REG_DWORD). Empty (monostate) is distinct from an empty string: it is what a read
// gives when nothing was read and no default was given.
using RegVariant = std::variant<std::monostate, std::string, std::int32_t>;

// Read control plus query value, set value, create subkey, enumerate subkeys, notify, create link.
inline constexpr std::uint32_t kRegAccess = 0x2003F;
inline constexpr std::int32_t kUnhandledRegType = 9999999;
// The error code when the process has no registry service at all.
inline constexpr std::int32_t kNoRegistryService = 1; // ERROR_INVALID_FUNCTION

// Reads a value: REG_SZ as text (its terminating zero dropped), REG_DWORD as a 32-bit
// integer, REG_BINARY as the whole 1024-character buffer; any other type is error
// kUnhandledRegType. On any error the result is fallback (empty when none is given).
// valueType receives the type the query reported and is untouched when the key cannot
// be opened. Data over 1024 bytes fails with ERROR_MORE_DATA and so gives the fallback.
RegVariant GetRegValue(platform::RegKey root, const std::string& path, const std::string& valueName,
                       std::uint32_t& valueType, std::int32_t& errorCode, const RegVariant& fallback = {});

// Writes a value into an existing key (a trailing "\" of the path is ignored; the key is
// never created): text as REG_SZ with its terminating zero, a number as REG_DWORD; an
// empty value gives kUnhandledRegType.
bool SetRegValue(platform::RegKey root, const std::string& path, const std::string& valueName,
                 const RegVariant& value, std::int32_t* errorCode = nullptr);

// Creates newKey (every missing level of it) below the existing key parent.
bool CreateRegKey(platform::RegKey root, const std::string& parent, const std::string& newKey,
                  std::int32_t* errorCode = nullptr);

} // namespace qs
