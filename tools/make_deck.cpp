// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the FAC deck file: 200 records "number,text,...,text" with CR LF line ends, one per card.
//
// Each of the 20 card texts is dealt from its own frequency table, so the odds of every result over a full
// deck are exact: 8% of upper-half shots score and about 85% of cards call no penalty. The tables are
// shuffled with a fixed-seed std::mt19937 and our own index mapping, so the file is byte-identical on
// every platform.
//
// Usage: make_deck <output path>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int kDeckSize = 200;
constexpr std::uint32_t kShuffleSeed = 20240611;

struct Share {
    std::string_view text;
    int cards;
};

struct Column {
    std::string_view name;
    std::vector<Share> shares;
};

// Record order after the card number. Field widths are tight (Rebound2 and Faceoff are about 60 px), so
// every text here has been measured in its window field; keep new texts no wider than the widest one.
std::vector<Column> deckColumns() {
    return {
        {"PassTo1", {{"LW", 40}, {"C", 50}, {"RW", 40}, {"LD", 35}, {"RD", 35}}},
        {"Action",
         {{"Passes to teammate", 40},
          {"Quick pass up ice", 14},
          {"Shoots on goal", 30},
          {"One-timer from the slot", 8},
          {"Carries puck over blue line", 18},
          {"Dumps puck in deep", 18},
          {"Loses puck - loose puck", 16},
          {"Stickhandles - keeps puck", 14},
          {"Runs strategy play", 12},
          {"Offside - faceoff", 8},
          {"Ices the puck - faceoff", 7},
          {"Breaks in alone - breakaway", 5},
          {"Pinned on boards - faceoff", 5},
          {"Hit hard - loose puck", 5}}},
        {"PassTo2", {{"LW", 38}, {"C", 46}, {"RW", 38}, {"LD", 39}, {"RD", 39}}},
        {"Strategy1",
         {{"No effect - play on", 70},
          {"Forecheck wins puck deep", 18},
          {"Trap holds - turnover at red line", 14},
          {"Cycle keeps puck - pass to point", 14},
          {"Pinch holds puck in zone", 12},
          {"Pinch fails - 2 on 1 against", 8},
          {"Screen in front - shot from point", 12},
          {"Odd-man rush - shot from slot", 10},
          {"Regroup - puck back to D", 14},
          {"Neutral zone clog - dump in", 12},
          {"Breakout beats forecheck", 10},
          {"Caught on line change - breakaway", 6}}},
        {"DumpIns",
         {{"Goalie stops it behind net", 30},
          {"D retrieves - breakout", 36},
          {"Forward wins the race", 34},
          {"Loose puck in the corner", 34},
          {"Rimmed around - held in", 20},
          {"Rimmed out - cleared", 16},
          {"Icing - faceoff", 16},
          {"Out of play - faceoff", 8},
          {"Bad bounce - shot from slot", 6}}},
        {"Strategy2",
         {{"No effect", 80},
          {"Counter-attack - pass to C", 15},
          {"D holds the blue line", 15},
          {"Backcheck - puck to D", 14},
          {"Shot from the point", 14},
          {"Wins battle on boards", 14},
          {"Puck cleared to neutral zone", 14},
          {"Deflection in front", 10},
          {"Goalie plays puck behind net", 12},
          {"Loses battle - loose puck", 12}}},
        {"Shots1",
         {{"Save", 52},
          {"Save - rebound", 34},
          {"Save - frozen", 22},
          {"Wide", 28},
          {"Blocked", 22},
          {"Over the net", 12},
          {"Hits the post", 8},
          {"Goal", 16},
          {"Deflected - corner", 6}}},
        {"Shots2",
         {{"Glove save", 30},
          {"Pad save - rebound", 32},
          {"Blocker save - corner", 22},
          {"Save - whistle", 20},
          {"Shot wide of the net", 30},
          {"Blocked in the lane", 24},
          {"High and wide - boards", 14},
          {"Rings off the post", 8},
          {"Goal - top corner", 8},
          {"Goal - five-hole", 6},
          {"Tipped in - goal", 6}}},
        {"Rebound1",
         {{"Goalie covers", 60},
          {"Cleared by D", 40},
          {"Rebound shot", 34},
          {"Loose in slot", 26},
          {"Kicked to corner", 28},
          {"Goal on rebound", 12}}},
        {"Rebound2", {{"Cover", 64}, {"Clear", 42}, {"Shot", 36}, {"Loose", 30}, {"Wide", 18}, {"Goal", 10}}},
        {"Faceoff", {{"Home C wins", 70}, {"Away C wins", 70}, {"Top FO wins", 40}, {"Tie-up redraw", 20}}},
        {"LoosePuck",
         {{"Attack - LW", 18},
          {"Attack - C", 20},
          {"Attack - RW", 18},
          {"Attack - LD", 12},
          {"Attack - RD", 12},
          {"Defence - LW", 14},
          {"Defence - C", 18},
          {"Defence - RW", 14},
          {"Defence - LD", 24},
          {"Defence - RD", 24},
          {"Out of play - faceoff", 16},
          {"Frozen - faceoff", 10}}},
        {"Assists",
         {{"LW + C", 34},
          {"C + RW", 34},
          {"LW + RW", 16},
          {"LD + C", 18},
          {"RD + C", 18},
          {"LD + RD", 12},
          {"C only", 22},
          {"LW only", 10},
          {"RW only", 10},
          {"No assist", 26}}},
        {"Penalty",
         {{"No penalty", 169},
          {"Minor on defence", 14},
          {"Minor on attack", 8},
          {"Coincidental minors", 4},
          {"Major on defence", 3},
          {"Major on attack", 2}}},
        {"Minor",
         {{"Tripping", 26},
          {"Hooking", 26},
          {"Holding", 22},
          {"Slashing", 20},
          {"Interference", 20},
          {"Roughing", 18},
          {"High-sticking", 16},
          {"Cross-checking", 14},
          {"Delay of game", 12},
          {"Too many men", 8},
          {"Holding the stick", 8},
          {"Unsportsmanlike", 6},
          {"Embellishment", 4}}},
        {"Major",
         {{"Fighting", 60},
          {"Boarding", 30},
          {"Charging", 24},
          {"Elbowing", 20},
          {"Head contact", 16},
          {"Checking from behind", 16},
          {"Kneeing", 14},
          {"Spearing", 12},
          {"Butt-ending", 8}}},
        {"Break",
         {{"Goal - deke", 26},
          {"Goal - snipe", 18},
          {"Goal - five-hole", 12},
          {"Pad save", 36},
          {"Glove save", 26},
          {"Poke check", 22},
          {"Shot wide", 24},
          {"Hits the post", 12},
          {"Loses the puck", 14},
          {"Save - rebound", 10}}},
        {"SO",
         {{"Goal - deke", 36},
          {"Goal - shot", 30},
          {"Save", 70},
          {"Wide", 30},
          {"Post", 14},
          {"Poke check", 20}}},
        {"BreakDef",
         {{"No help", 80},
          {"D catches up", 40},
          {"Stick lift", 30},
          {"Goalie out", 16},
          {"Hooked - PS", 14},
          {"Tripped - PS", 10},
          {"Offside call", 10}}},
        {"PassTo3", {{"LW", 42}, {"C", 36}, {"RW", 42}, {"LD", 40}, {"RD", 40}}},
    };
}

bool checkColumn(const Column& column) {
    int total = 0;
    for (const Share& share : column.shares) {
        total += share.cards;
        const std::string_view text = share.text;
        if (text.empty() || text.front() == ' ' || text.back() == ' ') {
            std::cerr << column.name << ": empty text or outer spaces in \"" << text << "\"\n";
            return false;
        }
        for (const char c : text) {
            if (c < ' ' || c > '~' || c == '"') {
                std::cerr << column.name << ": text \"" << text
                          << "\" must be printable ASCII without quotes\n";
                return false;
            }
        }
    }
    if (total != kDeckSize) {
        std::cerr << column.name << ": shares add up to " << total << " cards, not " << kDeckSize << "\n";
        return false;
    }
    return true;
}

std::vector<std::string_view> dealColumn(const Column& column, std::mt19937& engine) {
    std::vector<std::string_view> cards;
    for (const Share& share : column.shares) {
        cards.insert(cards.end(), static_cast<std::size_t>(share.cards), share.text);
    }
    // Fisher-Yates with a plain modulo: std::uniform_int_distribution differs between standard libraries.
    for (std::size_t i = cards.size() - 1; i > 0; --i) {
        const std::size_t j = static_cast<std::size_t>(engine() % (i + 1));
        std::swap(cards[i], cards[j]);
    }
    return cards;
}

// The second pass target names another player than the first, so a card never passes to the same
// position twice. Swapping values between cards keeps the column's frequencies intact.
bool separateFrom(const std::vector<std::string_view>& first, std::vector<std::string_view>& second) {
    const std::size_t count = second.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (second[i] != first[i]) {
            continue;
        }
        bool swapped = false;
        for (std::size_t step = 1; step < count && !swapped; ++step) {
            const std::size_t j = (i + step) % count;
            if (second[j] != first[i] && second[i] != first[j]) {
                std::swap(second[i], second[j]);
                swapped = true;
            }
        }
        if (!swapped) {
            return false;
        }
    }
    return true;
}

std::string csvField(std::string_view text) {
    if (text.find(',') == std::string_view::npos) {
        return std::string(text);
    }
    return "\"" + std::string(text) + "\"";
}

std::size_t columnIndex(const std::vector<Column>& columns, std::string_view name) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name == name) {
            return i;
        }
    }
    return columns.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_deck <output FAC_Data.txt>\n";
        return 2;
    }

    const std::vector<Column> columns = deckColumns();
    for (const Column& column : columns) {
        if (!checkColumn(column)) {
            return 1;
        }
    }

    std::mt19937 engine(kShuffleSeed);
    std::vector<std::vector<std::string_view>> dealt;
    for (const Column& column : columns) {
        dealt.push_back(dealColumn(column, engine));
    }
    if (!separateFrom(dealt[columnIndex(columns, "PassTo1")], dealt[columnIndex(columns, "PassTo3")])) {
        std::cerr << "cannot give every card two different pass targets\n";
        return 1;
    }

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    if (!out) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    for (int card = 0; card < kDeckSize; ++card) {
        out << (card + 1);
        for (const std::vector<std::string_view>& column : dealt) {
            out << ',' << csvField(column[static_cast<std::size_t>(card)]);
        }
        out << "\r\n";
    }
    out.close();
    if (!out) {
        std::cerr << "error while writing " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
