#pragma once

#include <cstdint>
#include <string_view>

// The results database's schema (schema.sql), compiled in, and the identity
// that its pragmas give a file: this tool's application id and the schema's
// version, taken from schema.sql when the tool is built.
extern const std::string_view RESULTS_SCHEMA;
extern const std::int64_t RESULTS_APPLICATION_ID;
extern const std::int64_t RESULTS_SCHEMA_VERSION;
// The first version's schema (schema_v1.sql), which files of older judges hold.
inline constexpr std::int64_t RESULTS_SCHEMA_VERSION_1 = 1;
extern const std::string_view RESULTS_SCHEMA_V1;
