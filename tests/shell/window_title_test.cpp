// Tests of the frame title built from the document path.
#include "shell/window_title.h"

#include "shell/control_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrel {
namespace {

TEST(FrameTitle, ShowsTheFileNameAndTheProduct) {
    EXPECT_EQ(FrameTitle("C:\\DOCS\\NOTES.TXT"), "NOTES.TXT - Kestrel");
    EXPECT_EQ(FrameTitle("c:readme"), "readme - Kestrel");
    EXPECT_EQ(FrameTitle("/home/u/a.txt"), "a.txt - Kestrel");
}

TEST(FrameTitle, ANewDocumentIsUntitled) {
    EXPECT_EQ(FrameTitle(""), "Untitled - Kestrel");
    EXPECT_EQ(FrameTitle("C:\\DOCS\\"), "Untitled - Kestrel");
}

TEST(FrameTitle, ALongFileNameIsCutTo59Characters) {
    std::string name(70, 'x');
    EXPECT_EQ(FrameTitle("C:\\" + name), std::string(59, 'x') + " - Kestrel");
}

TEST(ControlIds, CountUpFrom900) {
    // Each test runs in its own process natively, and nothing else here takes an id.
    EXPECT_EQ(NextControlId(), 900);
    EXPECT_EQ(NextControlId(), 901);
    EXPECT_EQ(NextControlId(), 902);
}

} // namespace
} // namespace kestrel
