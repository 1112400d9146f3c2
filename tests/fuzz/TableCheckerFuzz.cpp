// The transcript checker on any file: it returns, with a line for every round
// and a last line. Inputs that start with an odd byte instead script a table
// whose every message is valid, which the checker must then pass whole.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ByteReader.h"
#include "TableRig.h"

using corvane::table::CheckReport;
using corvane::table::CheckTranscript;
using corvane::table::DescribeRound;
using corvane::testing_support::ByteReader;
using corvane::testing_support::TableRig;

namespace {

void ScriptTable(ByteReader& in) {
    TableRig rig({"Ana", "Bo", "Cy"}, 1'000);
    for (int step = 0; step < 16 && !in.Empty(); ++step) {
        const std::size_t member = in.Byte() % rig.members.size();
        const std::uint32_t round = rig.NextRound();
        switch (in.Byte() % 6) {
            case 0:
                rig.Request(member,
                            TableRig::NewRoll(round, std::max<std::int16_t>(1, in.Word() % 40),
                                              in.Word() % 8));
                break;
            case 1: {
                // Members whose joining was refused have no seat.
                const auto seat = rig.state.SeatOf(rig.members[member].Key());
                const std::uint32_t earlier = seat ? rig.state.Seats()[*seat].latestPool : 1;
                rig.Request(member, TableRig::Reroll(round, earlier,
                                                     static_cast<std::int16_t>(in.Byte() % 4)));
                break;
            }
            case 2:
                if (round > 1 && rig.members[member].ContributionFor(round - 1)) {
                    rig.Reveal(member, round - 1);
                }
                break;
            case 3:
                if (round > 1)
                    rig.Enter(rig.members[0].Abandon(round - 1, rig.state.Head()), 1'000);
                break;
            case 4:
                rig.Enter(rig.members[member].Leave(rig.state.Head()));
                break;
            default:
                rig.Join(rig.Add("m" + std::to_string(rig.members.size())));
                break;
        }
    }
    const CheckReport report = CheckTranscript(rig.Transcript());
    if (report.fault || report.lines.size() != rig.state.Rounds().size() + 1) std::abort();
    for (std::size_t r = 0; r < rig.state.Rounds().size(); ++r) {
        if (report.lines[r] != DescribeRound(rig.state.Rounds()[r], rig.state.Seats()))
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0 && data[0] % 2 == 1) {
        ByteReader in(data + 1, size - 1);
        ScriptTable(in);
        return 0;
    }
    std::string text = "corvane-table-transcript 1\n";
    text.append(reinterpret_cast<const char*>(data), size);
    const CheckReport report = CheckTranscript(text);
    if (!report.readable || report.lines.empty()) std::abort();
    return 0;
}
