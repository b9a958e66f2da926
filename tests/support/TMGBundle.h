#pragma once

// A TMG project as one byte string, for the fuzz harness and its regression test: the project
// file and every table and memo file, each as one byte naming the file, a 32-bit little-endian
// length and the file's bytes.  Unpacking writes the files into a folder (files the bundle does
// not hold are left out: a table missing); a length running past the end takes what is there.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tmg_bundle {

// The project file, then the tables and memo files of the project "p.tmg"; then the project
// file of the 5.x project "p_.pjc" (whose tables are named the same) and the tables only 5.x
// projects have.
inline const char* const kFiles[] = {
    "p.tmg",  "p$.dbf",  "pN.dbf",  "pN.fpt",   "pF.dbf",  "pF.fpt",  "pG.dbf",   "pG.fpt",
    "pS.dbf", "pS.fpt",  "pM.dbf",  "pM.fpt",   "pP.dbf",  "pP.fpt",  "pE.dbf",   "pE.fpt",
    "pT.dbf", "pT.fpt",  "pA.dbf",  "pA.fpt",   "pU.dbf",  "pR.dbf",  "pR.fpt",   "pW.dbf",
    "p_.pjc", "pND.dbf", "pND.fpt", "pNPV.dbf", "pPD.dbf", "pPD.fpt", "pPPV.dbf",
};
inline constexpr size_t kFileCount = sizeof(kFiles) / sizeof(kFiles[0]);

// Packs the files of the project `prefix` + ".tmg" or `prefix` + "_.pjc" in dir (tables named
// prefix + letter).
inline std::string Pack(const std::string& dir, const std::string& prefix) {
  std::string out;
  for (size_t i = 0; i < kFileCount; ++i) {
    std::string name = kFiles[i];
    name = prefix + name.substr(1);
    std::ifstream in(dir + "/" + name, std::ios::binary);
    if (!in) continue;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    out += static_cast<char>(i);
    for (int k = 0; k < 4; ++k) out += static_cast<char>((bytes.size() >> (8 * k)) & 0xFF);
    out += bytes;
  }
  return out;
}

// Writes the files of a bundle into dir (emptied first); the project file's path: the 4.x one
// unless the bundle holds only the 5.x one.
inline std::string Unpack(const uint8_t* data, size_t size, const std::string& dir) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
    std::filesystem::remove(entry.path(), ec);
  size_t at = 0;
  while (at < size) {
    const size_t file = data[at++] % kFileCount;
    uint32_t length = 0;
    for (int k = 0; k < 4 && at < size; ++k) length |= static_cast<uint32_t>(data[at++]) << (8 * k);
    const size_t take = length < size - at ? length : size - at;
    std::ofstream(dir + "/" + kFiles[file], std::ios::binary | std::ios::app)
        .write(reinterpret_cast<const char*>(data + at), static_cast<std::streamsize>(take));
    at += take;
  }
  if (!std::filesystem::exists(dir + "/p.tmg") && std::filesystem::exists(dir + "/p_.pjc"))
    return dir + "/p_.pjc";
  return dir + "/p.tmg";
}

}  // namespace tmg_bundle
