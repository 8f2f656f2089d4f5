// tests/render_blob_command_test.cpp
#include <gtest/gtest.h>
#include <string>
#include "data/blobs.h"
#include "tests/render_harness.h"

TEST(RunBlob, WritesTheEmbeddedBytesUnchanged)
{
    struct Blob { const char* name; const void* bytes; int size; };
    const Blob blobs[] = {
        {"outlines", OUTLINE_STREAM, OUTLINE_STREAM_SIZE},
        {"country-names", COUNTRY_NAME_LIST, COUNTRY_NAME_LIST_SIZE},
        {"region-parents", REGION_PARENTS, REGION_PARENTS_SIZE},
        {"column-labels", COLUMN_LABELS, COLUMN_LABELS_SIZE},
        {"stat-records", STAT_RECORDS, STAT_RECORDS_SIZE},
        {"flags", FLAG_DESCRIPTIONS, FLAG_DESCRIPTIONS_SIZE},
    };
    for (const Blob& blob : blobs) {
        const RenderRun run = run_render(std::string("blob ") + blob.name);
        EXPECT_EQ(run.status, 0) << blob.name << ": " << run.errors;
        EXPECT_EQ(run.output, std::string(static_cast<const char*>(blob.bytes), blob.size)) << blob.name;
    }
}

TEST(RunBlob, UnknownOrMissingBlobFailsWithOneLine)
{
    const char* const arguments[] = {"blob nowhere", "blob", "blob outlines flags", "blob -x outlines"};
    for (const char* argument : arguments) {
        const RenderRun run = run_render(argument);
        EXPECT_EQ(run.status, 2) << argument;
        EXPECT_EQ(run.output, "") << argument;
        ASSERT_FALSE(run.errors.empty()) << argument;
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << argument;
    }
}
