// The sample application of the Win32 check, generated natively from its
// form files: the same bytes as the expected sources, each with its header
// merged in and no header left.
#include <filesystem>

#include "forms/formfile.h"
#include "generators/defs.h"
#include "tests/generators/gen_fixture.h"

namespace {

class GenSamples : public GenTest {};

TEST_F(GenSamples, TheSampleFormsGiveTheExpectedSources)
{
    const std::string samples = std::string(VOK_GEN_FIXTURES) + "/../samples";
    for (const char *form : {"sample", "swin1", "swin2", "smenu1"}) {
        SCOPED_TRACE(form);
        std::filesystem::copy_file(samples + "/" + form + ".f", std::string("g0/") + form + ".f");
    }
    for (const char *form : {"sample", "swin1", "swin2", "smenu1"}) {
        SCOPED_TRACE(form);
        forms_reset_all();
        generators_reset_all();
        form_alloc();
        ASSERT_EQ(0, load_form((std::string(form) + ".f").c_str()));
        clear_defs();
        read_defs((std::string(form) + ".R").c_str());
        EXPECT_EQ(0, gen_source((std::string(form) + ".c").c_str(), (std::string(form) + ".h").c_str()));
        EXPECT_EQ("", box_texts());
        expect_fixture(std::string("win32/") + form + ".c", got(std::string(form) + ".c"));
        EXPECT_FALSE(exists(std::string(form) + ".h"));
    }
}

}  // namespace
