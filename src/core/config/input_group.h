#pragma once
// The INPUT group of a layout file: the job record.

#include "config/dcf_reader.h"
#include "windows/job_record.h"

#include <string>

namespace pw {

// Appends the group, its end line and the empty line after it.
void WriteInputGroup(const cInputSpec& job, std::string& file);
// Reads the lines after a "[ INPUT" header up to and including "INPUT END ]". Fields the
// group does not name keep their values.
void ReadInputGroup(cInputSpec& job, DcfReader& file);

} // namespace pw
