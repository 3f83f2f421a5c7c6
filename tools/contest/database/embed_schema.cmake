# Writes OUTPUT: the text of SCHEMA as one string constant.
file(READ ${SCHEMA} text)
file(WRITE ${OUTPUT} "#include \"contest/database/schema.h\"\n\nconst std::string_view RESULTS_SCHEMA = R\"schema(${text})schema\";\n")
