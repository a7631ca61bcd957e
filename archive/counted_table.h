// CountedTable: objects shared by name, each with the number of its users.
// The archive cache, the textures of archive entries and the dynamic textures
// keep theirs in one; the owner makes and frees the objects, the table only
// finds and counts them. Row i is names[i], objects[i], counts[i].
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The index of value in list; -1 when it is not there.
template <typename T>
int indexOf(const std::vector<T>& list, const T& value) {
  const auto at = std::find(list.begin(), list.end(), value);
  return at == list.end() ? -1 : static_cast<int>(at - list.begin());
}

template <typename T>
class CountedTable {
 public:
  // The row of name or of object; -1 when there is none.
  int find(const std::string& name) const { return indexOf(names, name); }
  int findObject(const T& object) const { return indexOf(objects, object); }

  // The row of name with one user more; -1, counting nothing, when the table
  // does not hold it (the caller then makes the object and adds it).
  int acquire(const std::string& name) {
    const int row = find(name);
    if (row >= 0) ++counts[row];
    return row;
  }

  // A new row for object under name, with its first user.
  void add(const std::string& name, T object) {
    names.push_back(name);
    objects.push_back(object);
    counts.push_back(1);
  }

  // One user fewer for the row. The last one removes the row and returns
  // true with its object in *last, for the caller to free.
  bool drop(size_t row, T* last) {
    if (--counts[row] > 0) return false;
    *last = objects[row];
    names.erase(names.begin() + row);
    objects.erase(objects.begin() + row);
    counts.erase(counts.begin() + row);
    return true;
  }

  std::vector<std::string> names;
  std::vector<T> objects;
  std::vector<int32_t> counts;
};
