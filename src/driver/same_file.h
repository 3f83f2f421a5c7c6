#pragma once

#include <string>

// Whether two paths name the same existing file: the same device and inode,
// so that links, "./" and other spellings count. A path that does not exist
// names no file yet. Devices and pipes never count, as opening one for
// writing empties nothing.
bool sameFile(const std::string& first, const std::string& second);
