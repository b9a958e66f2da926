#pragma once

// Opens images of the test writer the way the viewer opens a file: the reader's probe, its
// collection, Import and BuildLinks.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/UIHooks.h"
#include "formats/ftm/FTWCollection.h"
#include "support/FTWWriter.h"
#include "support/TempDir.h"

// The collection on a file holding the image, imported and linked; none when the probe
// refuses the file or Import fails.
inline std::unique_ptr<WFTWCollection> OpenImage(const ftw::Image& image, const TempDir& dir,
                                                 const std::string& name = "test.ftw") {
  const std::string path = dir / name;
  if (!ftw::Save(image, path)) return nullptr;
  if (!WFTWCollection::ReaderInfo().probe(path).empty()) return nullptr;
  ImportCancelled = false;
  auto collection = std::make_unique<WFTWCollection>(path);
  if (!collection->Import()) return nullptr;
  collection->BuildLinks();
  return collection;
}

inline std::unique_ptr<WFTWCollection> OpenDescription(const ftw::Description& description,
                                                       const TempDir& dir) {
  return OpenImage(ftw::Write(description), dir);
}
