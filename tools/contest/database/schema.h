#pragma once

#include <string_view>

// The results database's schema (schema.sql), compiled in.
extern const std::string_view RESULTS_SCHEMA;
