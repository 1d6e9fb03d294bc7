#include "NameGrid.h"

#include <cctype>
#include <cstdlib>

namespace orrinvale {

namespace {
constexpr int kRows = 10;
constexpr int kColumns = layout::kStateCount / kRows;

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
} // namespace

bool NameGrid::unplaced(int index) const
{
    return index >= 0 && index < layout::kStateCount && board_.labels(index).visible;
}

int NameGrid::first() const
{
    for (int i = 0; i < layout::kStateCount; ++i)
        if (unplaced(i))
            return i;
    return -1;
}

int NameGrid::last() const
{
    for (int i = layout::kStateCount - 1; i >= 0; --i)
        if (unplaced(i))
            return i;
    return -1;
}

int NameGrid::nextAfter(int index) const
{
    for (int k = 1; k <= layout::kStateCount; ++k) {
        const int i = ((index < 0 ? -1 : index) + k) % layout::kStateCount;
        if (unplaced(i))
            return i;
    }
    return -1;
}

int NameGrid::step(int index, Direction direction) const
{
    if (!unplaced(index))
        return first();
    switch (direction) {
    case Direction::Down:
        for (int i = index + 1; i < layout::kStateCount; ++i)
            if (unplaced(i))
                return i;
        return index;
    case Direction::Up:
        for (int i = index - 1; i >= 0; --i)
            if (unplaced(i))
                return i;
        return index;
    case Direction::Left:
    case Direction::Right: {
        const int row = index % kRows;
        const int way = direction == Direction::Right ? 1 : -1;
        for (int column = index / kRows + way; column >= 0 && column < kColumns; column += way) {
            // The nearest row in that column, the upper one on a tie.
            for (int distance = 0; distance < kRows; ++distance) {
                for (const int r : {row - distance, row + distance}) {
                    if (r >= 0 && r < kRows && unplaced(column * kRows + r))
                        return column * kRows + r;
                }
            }
        }
        return index;
    }
    }
    return index;
}

int NameGrid::nextStartingWith(int index, char letter) const
{
    for (int k = 1; k <= layout::kStateCount; ++k) {
        const int i = ((index < 0 ? -1 : index) + k) % layout::kStateCount;
        const std::string& caption = board_.labels(i).caption;
        if (unplaced(i) && !caption.empty() && lower(caption.front()) == lower(letter))
            return i;
    }
    return index;
}

} // namespace orrinvale
