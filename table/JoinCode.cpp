#include "table/JoinCode.h"

#include <sodium.h>

#include <array>
#include <cctype>

#include "table/Crypto.h"

namespace corvane::table {
namespace {

// Short, common and unlike each other, so that they are easy to say and to
// hear across a table: three of them make one of 16,777,216 codes.
constexpr std::array<const char*, 256> kWords = {
    "acorn",   "amber",   "anchor",   "apple",   "arrow",    "aspen",    "atlas",   "autumn",
    "badger",  "bamboo",  "banjo",    "barley",  "basil",    "beacon",   "bear",    "beaver",
    "birch",   "bison",   "blossom",  "bramble", "breeze",   "brick",    "bridge",  "brook",
    "buffalo", "bugle",   "butter",   "cabin",   "cactus",   "camel",    "candle",  "canoe",
    "canyon",  "carrot",  "castle",   "cedar",   "cello",    "chalk",    "cherry",  "chess",
    "clover",  "cobalt",  "comet",    "compass", "copper",   "coral",    "cotton",  "coyote",
    "crane",   "cricket", "crystal",  "cypress", "daisy",    "delta",    "desert",  "dolphin",
    "dragon",  "drum",    "eagle",    "ember",   "falcon",   "feather",  "fern",    "fiddle",
    "flint",   "forest",  "fox",      "garden",  "garnet",   "gecko",    "ginger",  "glacier",
    "goose",   "granite", "grape",    "gravel",  "harbor",   "harp",     "hazel",   "heron",
    "hickory", "honey",   "horizon",  "hornet",  "island",   "ivory",    "jade",    "jasper",
    "juniper", "kayak",   "kestrel",  "kettle",  "kiwi",     "koala",    "lagoon",  "lantern",
    "lark",    "lava",    "lemon",    "lily",    "lime",     "linen",    "lizard",  "llama",
    "lotus",   "lynx",    "magnet",   "mango",   "maple",    "marble",   "meadow",  "melon",
    "meteor",  "mint",    "mirror",   "moose",   "moss",     "mountain", "mule",    "nectar",
    "nickel",  "oak",     "oasis",    "ocean",   "olive",    "onion",    "opal",    "orange",
    "orchid",  "otter",   "owl",      "oyster",  "palm",     "panda",    "panther", "paper",
    "parrot",  "peach",   "pearl",    "pebble",  "pepper",   "pine",     "planet",  "plum",
    "pony",    "poppy",   "prairie",  "puffin",  "pumpkin",  "quail",    "quartz",  "rabbit",
    "radish",  "raven",   "reed",     "ribbon",  "river",    "robin",    "rocket",  "rose",
    "ruby",    "saddle",  "saffron",  "salmon",  "sapphire", "satchel",  "shell",   "silver",
    "sparrow", "spruce",  "squirrel", "star",    "stone",    "storm",    "summit",  "sunset",
    "swan",    "tulip",   "thistle",  "thunder", "tiger",    "timber",   "topaz",   "tortoise",
    "trout",   "tundra",  "turnip",   "valley",  "velvet",   "violet",   "walnut",  "whale",
    "willow",  "wolf",    "wren",     "yak",     "zebra",    "zinc",     "acrobat", "almond",
    "antler",  "badge",   "beetle",   "biscuit", "bonfire",  "button",   "cabbage", "candy",
    "cargo",   "cavern",  "chimney",  "cider",   "cinnamon", "cliff",    "cloud",   "cobble",
    "cocoa",   "crow",    "dune",     "elm",     "fable",    "ferry",    "fig",     "firefly",
    "garlic",  "geyser",  "glove",    "gull",    "hammock",  "hatch",    "helmet",  "iris",
    "jelly",   "jungle",  "kernel",   "kite",    "ladder",   "lemur",    "locket",  "mallard",
    "mantis",  "mitten",  "nutmeg",   "orbit",   "paddle",   "pansy",    "pelican", "pickle",
    "pilot",   "quill",   "raft",     "rhubarb", "saucer",   "scarf",    "sequoia", "sled",
};

}  // namespace

std::string NewJoinCode() {
    EnsureSodium();
    std::string code;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) code += ' ';
        code += kWords[randombytes_uniform(kWords.size())];
    }
    return code;
}

std::string NormalJoinCode(std::string_view typed) {
    std::string code;
    bool gap = false;
    for (const char c : typed) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isspace(byte) || c == '-') {
            gap = !code.empty();
            continue;
        }
        if (gap) code += ' ';
        gap = false;
        code += static_cast<char>(std::tolower(byte));
    }
    return code;
}

}  // namespace corvane::table
