// The worked example of the protocol's document, byte for byte: the
// document is the reference an independent checker is written from.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "TableRig.h"

namespace corvane::table {
namespace {

using testing_support::TableRig;

// The text of the document's fenced block that opens with "```<label>".
std::string Block(const std::string& label) {
    std::ifstream file(CORVANE_TABLE_DOC);
    std::stringstream text;
    text << file.rdbuf();
    const std::string doc = text.str();
    const std::string open = "```" + label + "\n";
    const std::size_t start = doc.find(open);
    if (start == std::string::npos) return {};
    const std::size_t body = start + open.size();
    return doc.substr(body, doc.find("```", body) - body);
}

// The example's evening, as the document tells it.
TableRig Example() {
    TableRig rig({"Ana", "Bo", "Cy"});
    rig.Request(1, TableRig::NewRoll(1, 6, 4));
    rig.RevealAll(1);
    rig.Request(1, TableRig::Reroll(2, 1));
    rig.RevealAll(2);
    rig.Request(2, TableRig::NewRoll(3, 3, 5));
    rig.RevealAll(3, {1});
    rig.Enter(rig.members[0].Abandon(3, rig.state.Head()), 30'000);
    rig.Enter(rig.members[1].Leave(rig.state.Head()));
    return rig;
}

TEST(DocExampleTest, TheTranscriptIsTheDocumentsByteForByte) {
    EXPECT_EQ(Example().Transcript(), Block("transcript"));
}

TEST(DocExampleTest, TheCheckerSaysWhatTheDocumentSays) {
    std::string lines;
    for (const std::string& line : CheckTranscript(Block("transcript")).lines) lines += line + '\n';
    EXPECT_EQ(lines, Block("checker"));
}

// Each round's seed from the documented formula, spelled out here again.
TEST(DocExampleTest, TheSeedsAreTheDocumentsFromTheirInputs) {
    const TableRig rig = Example();
    std::string seeds;
    for (const Round& round : rig.state.Rounds()) {
        if (round.status != RoundStatus::Done) continue;
        Bytes input = TableRig::Text("corvane table seed 1");
        input.insert(input.end(), rig.state.TableId().begin(), rig.state.TableId().end());
        const std::uint32_t n = round.number;
        const std::uint8_t number[] = {
            static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16),
            static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)};
        input.insert(input.end(), std::begin(number), std::end(number));
        const Hash request = Sha256(round.requestBytes);
        input.insert(input.end(), request.begin(), request.end());
        for (const Participant& p : round.participants) {
            input.insert(input.end(), p.secret.begin(), p.secret.end());
        }
        seeds += "round " + std::to_string(round.number) + " " + ToHex(Sha256(input)) + '\n';
        EXPECT_EQ(round.seed, Sha256(input));
    }
    EXPECT_EQ(seeds, Block("seeds"));
}

TEST(DocExampleTest, VerifyingAFileSaysHowItWent) {
    std::string tampered = Block("transcript");
    tampered[tampered.rfind(' ') + 1] ^= 1;
    const std::pair<std::string, int> rows[] = {
        {Block("transcript"), 0}, {tampered, 1}, {"corvane-table-transcript 2\n", 2}, {"", 2}};
    for (const auto& [contents, exitCode] : rows) {
        const std::string path = ::testing::TempDir() + "verify.table";
        std::remove(path.c_str());
        if (!contents.empty()) std::ofstream(path, std::ios::binary) << contents;
        std::ostringstream out;
        EXPECT_EQ(VerifyTranscriptFile(path.c_str(), out), exitCode) << out.str();
    }
}

}  // namespace
}  // namespace corvane::table
