# Writes OUTPUT, a C++ source that defines the std::string_view NAME, declared in
# web/OnePageAssets.h, as the bytes of INPUT. The bytes go in as character literals, so no text
# in the file can end a string literal early and the page gets the file exactly.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "(..)" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}" "#include \"web/OnePageAssets.h\"\n\nnamespace {\n"
                       "constexpr char bytes[] = {${bytes}};\n}  // namespace\n\n"
                       "const std::string_view ${NAME}(bytes, sizeof bytes);\n")
