#include "cli/output_status.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace nuvra::cli {
namespace {

// A destination like a full disk: it refuses every write, or takes the text and refuses the
// flush, and leaves ENOSPC in errno as the system does.
class FullDeviceBuffer : public std::streambuf {
public:
    explicit FullDeviceBuffer(bool failOnFlush) : m_failOnFlush(failOnFlush) {}

protected:
    int_type overflow(int_type c) override
    {
        if (m_failOnFlush)
            return traits_type::not_eof(c);
        errno = ENOSPC;
        return traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize count) override
    {
        if (m_failOnFlush)
            return count;
        errno = ENOSPC;
        return 0;
    }
    int sync() override
    {
        if (!m_failOnFlush)
            return 0;
        errno = ENOSPC;
        return -1;
    }

private:
    bool m_failOnFlush;
};

enum class Destination { Memory, RefusesWrites, RefusesFlush };

struct OutputCase {
    const char* name;
    Destination destination;
    int commandStatus;
    int status;
    const char* message;
};

class CheckOutputTest : public testing::TestWithParam<OutputCase> {};

TEST_P(CheckOutputTest, ReportsAnOutputThatWasNotWritten)
{
    const OutputCase& c = GetParam();
    std::stringstream memory;
    FullDeviceBuffer full(c.destination == Destination::RefusesFlush);
    std::streambuf* destination = &full;
    if (c.destination == Destination::Memory)
        destination = memory.rdbuf();
    std::ostream out(destination);
    std::ostringstream err;
    errno = 0;
    out << "12\n";
    EXPECT_EQ(checkOutput(out, err, c.commandStatus), c.status);
    EXPECT_EQ(err.str(), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Destinations, CheckOutputTest,
    testing::Values(
        OutputCase{"written_output_keeps_success", Destination::Memory, 0, 0, ""},
        OutputCase{"written_output_keeps_a_failure", Destination::Memory, 2, 2, ""},
        OutputCase{"refused_write_fails", Destination::RefusesWrites, 0, 1,
                   "nuvra-cli: cannot write the output: No space left on device\n"},
        OutputCase{"refused_flush_fails", Destination::RefusesFlush, 0, 1,
                   "nuvra-cli: cannot write the output: No space left on device\n"},
        OutputCase{"earlier_failure_keeps_its_status", Destination::RefusesWrites, 2, 2,
                   "nuvra-cli: cannot write the output: No space left on device\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nuvra::cli
