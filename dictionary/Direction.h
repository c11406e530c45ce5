// The two directions of the dictionary, as the settings store them ("EnRo").
#pragma once

// 0 English -> Romanian (en.tmp), 1 Romanian -> English (ro.tmp). A number
// read from the settings is kept as it is, to be written back unchanged:
// any value but 0 counts as Romanian -> English.
enum class Direction : int { kEnglishRomanian = 0, kRomanianEnglish = 1 };

inline bool IsRomanianEnglish(Direction direction) {
    return direction != Direction::kEnglishRomanian;
}
