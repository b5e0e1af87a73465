// What a screen reader hears of a pick-only list: the name it was given
// after its label, and the selected entry as its value. (Qt's own reading
// names such a list by its selected entry on Linux, so that a list of ">",
// "=" and "<" is announced as ">".)
#pragma once

namespace dorvanta {

// Makes every list of the program read by its accessible name (by its
// selected entry while it has none). Safe to call more than once.
void InstallAccessibleLists();

} // namespace dorvanta
