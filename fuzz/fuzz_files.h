// A private scratch folder for fuzz targets, where an input becomes a catalog file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace halvane {

// The folder, with a trailing '/', created once per process.
const std::string& FuzzFolder();

// Writes the bytes as FuzzFolder() + name and returns that path.
std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size);

}  // namespace halvane
