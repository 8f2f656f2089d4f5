// tools/render/blob_command.cpp: `orbily-render blob NAME`: the raw bytes of one embedded table.
// One line per table below; a table not embedded yet has no bytes.
#include "data/blobs.h"
#include "tools/render/command.h"

namespace {

struct BlobEntry {
    const char* name;
    const void* bytes;   // nullptr: not embedded yet
    const int* size;
};

const BlobEntry BLOBS[] = {
    {"outlines", OUTLINE_STREAM, &OUTLINE_STREAM_SIZE},
    {"country-names", COUNTRY_NAME_LIST, &COUNTRY_NAME_LIST_SIZE},
    {"region-parents", REGION_PARENTS, &REGION_PARENTS_SIZE},
    {"projections", PROJECTION_NAME_LIST, &PROJECTION_NAME_LIST_SIZE},
    {"flags", FLAG_DESCRIPTIONS, &FLAG_DESCRIPTIONS_SIZE},
    {"column-labels", COLUMN_LABELS, &COLUMN_LABELS_SIZE},
    {"stat-records", STAT_RECORDS, &STAT_RECORDS_SIZE},
};

}  // namespace

bool run_blob(const Arguments& arguments, std::string& output, std::string& error)
{
    for (const std::string& argument : arguments) {
        if (argument[0] == '-') {
            error = "unknown option \"" + argument + "\" for blob";
            return false;
        }
    }
    if (arguments.size() != 1) {
        error = "blob takes one NAME";
        return false;
    }
    for (const BlobEntry& blob : BLOBS) {
        if (arguments[0] != blob.name) continue;
        if (!blob.bytes) {
            error = "blob " + arguments[0] + " is not embedded yet";
            return false;
        }
        output.assign(static_cast<const char*>(blob.bytes), *blob.size);
        return true;
    }
    std::string names;
    for (const BlobEntry& blob : BLOBS) names += std::string(names.empty() ? "" : ", ") + blob.name;
    error = "unknown blob \"" + arguments[0] + "\" (one of " + names + ")";
    return false;
}
