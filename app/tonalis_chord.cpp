// tonalis-chord: names chords from the command line.
//   tonalis-chord C4 E4 G4 A4      one chord: its readings, best first, one per line
//   tonalis-chord 60 64 67 69      the same chord as MIDI note numbers
//   tonalis-chord < chords.txt     one chord per line: one line of readings each, joined by " | "
// --plain writes b and # instead of ♭ and ♯. Bad input is reported on standard error with the
// exit code 2; in a batch the other lines are still answered and a bad line gets an empty one.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "theory/chord_reader.h"
#include "theory/note_input.h"
#include "theory/reading_text.h"

namespace {

using tonalis::theory::Accidentals;

constexpr int kBadInput = 2;
constexpr int kCannotWrite = 1;
constexpr std::string_view kUsage =
    "usage: tonalis-chord [--plain] [--] [NOTE...]\n"
    "Names the chord of the NOTEs (C4, Eb4, F#3 or MIDI numbers 0..127), best reading first.\n"
    "With no NOTE, reads one chord per line from standard input and answers each on one line.\n";

int readOne(const std::string& notes, Accidentals accidentals) {
  const tonalis::theory::ParsedChord chord = tonalis::theory::parseChord(notes);
  if (chord.error) {
    std::cerr << "tonalis-chord: " << *chord.error << '\n';
    return kBadInput;
  }
  for (const auto& reading : tonalis::theory::readChord(chord.pitches)) {
    std::cout << tonalis::theory::symbolOf(reading, accidentals) << '\n';
  }
  return 0;
}

int readBatch(Accidentals accidentals) {
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
    std::cout << tonalis::theory::joinedSymbols(tonalis::theory::readChord(chord.pitches), " | ",
                                                accidentals)
              << '\n';
  }
  return status;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Thousands of lines are answered in one run; the streams need not wait for C stdio.
  std::ios::sync_with_stdio(false);
  Accidentals accidentals = Accidentals::Modern;
  std::string notes;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (optionsEnded) {
      notes += ' ';
      notes += argument;
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--plain") {
      accidentals = Accidentals::Plain;
    } else if (argument == "--help" || argument == "-h") {
      std::cout << kUsage;
      return 0;
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
  const int status = notes.empty() ? readBatch(accidentals) : readOne(notes, accidentals);
  // An answer that did not reach standard output (a full disk, say) is no answer.
  if (!std::cout.flush()) {
    std::cerr << "tonalis-chord: cannot write to standard output\n";
    return kCannotWrite;
  }
  return status;
}
