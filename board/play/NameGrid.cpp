#include "NameGrid.h"

#include <cctype>
#include <cstdlib>

namespace orrinvale {

namespace {
char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
} // namespace

bool NameGrid::unplaced(int index) const
{
    return index >= 0 && index < board_.map().nameCount() && board_.panelName(index).visible;
}

int NameGrid::first() const
{
    for (int i = 0; i < board_.map().nameCount(); ++i)
        if (unplaced(i))
            return i;
    return -1;
}

int NameGrid::last() const
{
    for (int i = board_.map().nameCount() - 1; i >= 0; --i)
        if (unplaced(i))
            return i;
    return -1;
}

int NameGrid::nextAfter(int index) const
{
    for (int k = 1; k <= board_.map().nameCount(); ++k) {
        const int i = ((index < 0 ? -1 : index) + k) % board_.map().nameCount();
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
        for (int i = index + 1; i < board_.map().nameCount(); ++i)
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
        const int rows = board_.map().panelRows;
        const int columns = (board_.map().nameCount() + rows - 1) / rows;
        const int row = index % rows;
        const int way = direction == Direction::Right ? 1 : -1;
        for (int column = index / rows + way; column >= 0 && column < columns; column += way) {
            // The nearest row in that column, the upper one on a tie.
            for (int distance = 0; distance < rows; ++distance) {
                for (const int r : {row - distance, row + distance}) {
                    if (r >= 0 && r < rows && unplaced(column * rows + r))
                        return column * rows + r;
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
    for (int k = 1; k <= board_.map().nameCount(); ++k) {
        const int i = ((index < 0 ? -1 : index) + k) % board_.map().nameCount();
        const std::string& caption = board_.panelName(i).caption;
        if (unplaced(i) && !caption.empty() && lower(caption.front()) == lower(letter))
            return i;
    }
    return index;
}

} // namespace orrinvale
