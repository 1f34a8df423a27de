// The sample files of the demo folder: lists, letters, pictures, recordings and documents that
// let a teacher try every function at once. They are built into the program.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/ports/dialogs.h"

namespace korvale {

struct SampleFile {
  const char* name;  // file name inside the demo folder, e.g. "demodat.csv"
  const unsigned char* data;
  std::size_t size;
};

// In the order in which they are written.
const std::vector<SampleFile>& sampleFiles();

// Writes every sample file into the demo folder, replacing files of the same names and leaving
// all others alone. Does nothing when the folder is missing (or is not a real folder). At the
// first file that cannot be written it shows " DataStore- Error " and writes no more.
void writeSampleFiles(const Path& demoFolder, Dialogs& dialogs);

}  // namespace korvale
