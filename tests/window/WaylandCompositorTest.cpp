// The question the quiz asks a Wayland compositor before Qt starts.
#include "Fakes.h"
#include "WaylandCompositor.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace orrinvale {
namespace {

// Sets an environment variable for the life of the object.
class Setting {
public:
    Setting(const char* name, const std::string& value) : name_(name)
    {
        if (const char* was = std::getenv(name))
            was_ = was;
        setenv(name, value.c_str(), 1);
    }
    ~Setting()
    {
        if (was_.empty())
            unsetenv(name_);
        else
            setenv(name_, was_.c_str(), 1);
    }

private:
    const char* name_;
    std::string was_;
};

TEST(WaylandCompositor, OneThatNeverAnswersOrIsNotThereDrawsNoTitleBars)
{
    testing::TempFolder folder;
    // A compositor that takes connections and never answers.
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listening, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = (folder / "silent-0").string();
    ASSERT_LT(path.size(), sizeof(address.sun_path));
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(listen(listening, 4), 0);

    const Setting runtime("XDG_RUNTIME_DIR", folder.str());
    for (const char* name : {"silent-0", "nobody-here"}) {
        SCOPED_TRACE(name);
        const Setting display("WAYLAND_DISPLAY", name);
        const auto started = std::chrono::steady_clock::now();
        EXPECT_FALSE(waylandCompositorDecorates());
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    }
    close(listening);
}

} // namespace
} // namespace orrinvale
