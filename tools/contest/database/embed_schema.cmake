# Writes OUTPUT: the text of SCHEMA as one string constant, and the
# application id and schema version that its pragmas set, so that they stand
# in schema.sql alone; and the text of SCHEMA_V1, the first version, which
# older files still hold.
file(READ ${SCHEMA} text)
string(REGEX MATCH "PRAGMA application_id = ([0-9]+);" _ "${text}")
set(application_id ${CMAKE_MATCH_1})
string(REGEX MATCH "PRAGMA user_version = ([0-9]+);" _ "${text}")
set(user_version ${CMAKE_MATCH_1})
if(NOT application_id OR NOT user_version)
  message(FATAL_ERROR "${SCHEMA} sets no application_id or user_version")
endif()
file(READ ${SCHEMA_V1} text_v1)
file(WRITE ${OUTPUT} "#include \"contest/database/schema.h\"\n\n"
     "const std::string_view RESULTS_SCHEMA = R\"schema(${text})schema\";\n"
     "const std::int64_t RESULTS_APPLICATION_ID = ${application_id};\n"
     "const std::int64_t RESULTS_SCHEMA_VERSION = ${user_version};\n"
     "const std::string_view RESULTS_SCHEMA_V1 = R\"schema(${text_v1})schema\";\n")
