#include "SimUsage.h"

#include "InformationOptions.h"

namespace terrovane::sim {
namespace {

constexpr const char* kUsage = R"(NAME
    terrovane-sim - simulated earth/ground resistance tester on a pseudo-terminal

SYNOPSIS
    terrovane-sim [--image FILE] [--portmap FILE] [--fault KIND]... [--log FILE] [--com N] [--line-pace] [--busy MS[:MS]]
    terrovane-sim --help | -h | --version

DESCRIPTION
    Plays the instrument at the far end of a pseudo-terminal, for trying Terrovane and terrovane-cli
    without a tester at hand. It prints its device path on its first line, publishes itself in the
    port-map file as the bridge's port, answers the instrument's commands until it is interrupted
    (SIGINT or SIGTERM) and then withdraws from the port map.

OPTIONS
    --image FILE
        Serve the 7200-byte read-out image in FILE instead of the built-in demo results.
    --portmap FILE
        The port-map file to publish in; by default the one named by TERROVANE_PORTMAP.
    --fault KIND
        Misbehave on purpose, to try the program's error paths; may be repeated. KIND is silent (never
        answer), short (the last packet loses a byte), marker:K (packet K has a damaged marker),
        clock-fail, erase-fail, erase-short, slow:MS (each packet held back MS milliseconds),
        unplug-after:N (leave after N record requests), unplug-on-line:N (leave, unanswered, on the
        Nth command line of any kind) or noise (random bytes after every packet).
    --log FILE
        Append every byte received to FILE.
    --com N
        Publish the port as COM<N>, 1 to 255; 3 by default.
    --line-pace
        Send the answers as a real line does: byte after byte at 115200 baud (about 6.3 ms a 72-byte
        packet), handed on in USB packets of up to 64 bytes. Without it every answer goes at once.
    --busy MS[:MS]
        Work MS milliseconds on each command but the handshake before answering, or a random time from
        the first to the second MS (0 to 60000), drawn anew for every command; one command at a time,
        each once the previous answer has gone out.
    -h, --help    this text
    --version     the program's version

ENVIRONMENT
    TERROVANE_PORTMAP
        The port-map file used when --portmap is not given; the programs that talk to the instrument
        must see the same file.

EXIT STATUS
    0  ended by a signal or a planned unplug
    1  the pseudo-terminal failed while serving
    2  bad usage, an unreadable image, or no pseudo-terminal

SEE ALSO
    Terrovane(1), terrovane-cli(1)
)";

}  // namespace

std::optional<int> AnswerInformationOptions(const std::vector<std::string>& arguments) {
    return platform::AnswerInformationOptions(arguments, "terrovane-sim", kUsage);
}

}  // namespace terrovane::sim
