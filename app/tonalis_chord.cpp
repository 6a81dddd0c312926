// SPDX-License-Identifier: GPL-3.0-or-later
// tonalis-chord: names chords from the command line.
//   tonalis-chord C4 E4 G4 A4      one chord: its readings, best first, one per line
//   tonalis-chord 60 64 67 69      the same chord as MIDI note numbers
//   tonalis-chord < chords.txt     one chord per line: one line of readings each, joined by " | "
//   tonalis-chord --notes Cmaj7/E  the notes of chord symbols, names then MIDI numbers:
//                                  "E4 G4 B4 C5 (64 67 71 72)"; with no symbol, one per line
//                                  from standard input
// --plain writes b and # instead of ♭ and ♯; --style analysis|lead-sheet picks the habit of
// naming (chord_ranking.h); --key "g minor" spells by the key and adds each reading's Roman
// numeral. Bad input is reported on standard error with the exit code 2; in a batch the other
// lines are still answered and a bad line gets an empty one.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "theory/chord_reader.h"
#include "theory/chord_symbol.h"
#include "theory/held_keys.h"
#include "theory/note_input.h"
#include "theory/pitch_spelling.h"
#include "theory/reading_text.h"
#include "tonalis/version.h"

namespace {

using tonalis::theory::AnswerFormat;
using tonalis::theory::ReadingOptions;

constexpr int kBadInput = 2;
constexpr int kCannotWrite = 1;
constexpr std::string_view kUsage =
    "usage: tonalis-chord [--plain] [--style analysis|lead-sheet] [--key KEY] [--] [NOTE...]\n"
    "       tonalis-chord --notes [--plain] [SYMBOL...]\n"
    "Names the chord of the NOTEs (C4, Eb4, F#3 or MIDI numbers 0..127), best reading first.\n"
    "With no NOTE, reads one chord per line from standard input and answers each on one line.\n"
    "--notes gives the notes of chord SYMBOLs (Cmaj7, F#m7b5, C/E) as names and MIDI numbers,\n"
    "the bass lowest and the other notes in close position above it.\n"
    "--style analysis (the default) reads F A C D over F as Dm7/F, lead-sheet as F6.\n"
    "--key \"g minor\" spells by the key and adds each reading's Roman numeral.\n";

struct Settings {
  ReadingOptions options;
  AnswerFormat format;
  bool symbols = false;  // the input is chord symbols, answered with their notes
};

// The notes of a chord symbol, or why it is none.
tonalis::theory::SymbolReading notesOf(std::string_view symbol, const Settings& settings,
                                       std::string& answer) {
  tonalis::theory::SymbolReading reading = tonalis::theory::readChordSymbol(symbol);
  if (!reading.chord) return reading;
  std::string names;
  std::string numbers;
  for (const tonalis::theory::VoicedNote& note : tonalis::theory::voicing(*reading.chord)) {
    const int midiNote = tonalis::theory::noteOfKey(note.key);
    names += (names.empty() ? "" : " ") + tonalis::theory::nameWithOctave(note.fifths, midiNote);
    numbers += (numbers.empty() ? "" : " ") + std::to_string(midiNote);
  }
  answer = names + " (" + numbers + ")";
  if (settings.format.accidentals == tonalis::theory::Accidentals::Plain) {
    answer = tonalis::theory::plainText(answer);
  }
  return reading;
}

// Answers symbols, one per line of `input` (given, or standard input when absent); a bad one
// is reported on standard error and answered with an empty line.
int readSymbols(const std::optional<std::string>& given, const Settings& settings) {
  int status = 0;
  std::string line;
  std::istringstream arguments(given.value_or(""));
  std::istream& input = given ? static_cast<std::istream&>(arguments) : std::cin;
  for (int number = 1; std::cout && std::getline(input, line); ++number) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) {
      std::cout << '\n';
      continue;
    }
    std::string answer;
    const tonalis::theory::SymbolReading reading = notesOf(line, settings, answer);
    if (!reading.chord) {
      std::cerr << "tonalis-chord: ";
      if (!given) std::cerr << "line " << number << ": ";
      std::cerr << tonalis::theory::refusalText(reading, settings.format.accidentals) << '\n';
      status = kBadInput;
    }
    std::cout << answer << '\n';
  }
  return status;
}

// The answer to one chord: its readings spelled as the notes were written, else by the key.
std::string answerTo(const tonalis::theory::ParsedChord& chord, const Settings& settings,
                     std::string_view separator) {
  AnswerFormat format = settings.format;
  format.given = tonalis::theory::givenNames(chord.pitches, chord.spellings);
  return tonalis::theory::answerText(tonalis::theory::readChord(chord.pitches, settings.options),
                                     separator, format);
}

int readOne(const std::string& notes, const Settings& settings) {
  const tonalis::theory::ParsedChord chord = tonalis::theory::parseChord(notes);
  if (chord.error) {
    std::cerr << "tonalis-chord: " << *chord.error << '\n';
    return kBadInput;
  }
  const std::string answer = answerTo(chord, settings, "\n");
  if (!answer.empty()) std::cout << answer << '\n';
  return 0;
}

int readBatch(const Settings& settings) {
  int status = 0;
  std::string line;
  for (int number = 1; std::cout && std::getline(std::cin, line); ++number) {
    if (line.find_first_not_of(" \t\r,") == std::string::npos) {
      std::cout << '\n';
      continue;
    }
    const tonalis::theory::ParsedChord chord = tonalis::theory::parseChord(line);
    if (chord.error) {
      std::cerr << "tonalis-chord: line " << number << ": " << *chord.error << '\n';
      std::cout << '\n';
      status = kBadInput;
      continue;
    }
    std::cout << answerTo(chord, settings, " | ") << '\n';
  }
  return status;
}

// Reads the value of --style or --key into `settings`; false when it is not one.
bool takeOption(std::string_view option, std::string_view value, Settings& settings) {
  if (option == "--style") {
    if (value == "analysis") {
      settings.options.style = tonalis::theory::ReadingStyle::Analysis;
    } else if (value == "lead-sheet") {
      settings.options.style = tonalis::theory::ReadingStyle::LeadSheet;
    } else {
      return false;
    }
    return true;
  }
  const std::optional<tonalis::theory::MusicalKey> key = tonalis::theory::parseKey(value);
  settings.options.key = key;
  settings.format.key = key;
  return key.has_value();
}

}  // namespace

int main(int argc, char* argv[]) {
  // Thousands of lines are answered in one run; the streams need not wait for C stdio.
  std::ios::sync_with_stdio(false);
  Settings settings;
  std::string notes;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (optionsEnded) {
      notes += ' ';
      notes += argument;
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--notes") {
      settings.symbols = true;
    } else if (argument == "--plain") {
      settings.format.accidentals = tonalis::theory::Accidentals::Plain;
    } else if (argument == "--version") {
      std::cout << "tonalis-chord " << tonalis::version::text << '\n';
      return 0;
    } else if (argument == "--help" || argument == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (argument == "--style" || argument == "--key") {
      if (i + 1 == argc || !takeOption(argument, argv[i + 1], settings)) {
        std::cerr << "tonalis-chord: " << argument << " needs "
                  << (argument == "--key" ? "a key such as \"g minor\"" : "analysis or lead-sheet")
                  << '\n'
                  << kUsage;
        return kBadInput;
      }
      ++i;
    } else if (argument.starts_with("--")) {
      std::cerr << "tonalis-chord: unknown option " << tonalis::theory::echoedToken(argument)
                << '\n'
                << kUsage;
      return kBadInput;
    } else {
      notes += ' ';
      notes += argument;
    }
  }
  // Symbols given as arguments are one each; a symbol never holds a blank.
  if (settings.symbols) std::replace(notes.begin(), notes.end(), ' ', '\n');
  const int status =
      settings.symbols
          ? readSymbols(notes.empty() ? std::nullopt : std::optional(notes.substr(1)), settings)
      : notes.empty() ? readBatch(settings)
                      : readOne(notes, settings);
  // An answer that did not reach standard output (a full disk, say) is no answer.
  if (!std::cout.flush()) {
    std::cerr << "tonalis-chord: cannot write to standard output\n";
    return kCannotWrite;
  }
  return status;
}
