// CountedTable: objects shared by name, each with the number of its users.
// The archive cache, the textures of archive entries and the dynamic textures
// keep theirs in one; the owner makes and frees the objects, the table only
// finds and counts them. Row i is names[i], objects[i], counts[i].
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

template <typename T>
class CountedTable {
 public:
  // The row of name or of object; -1 when there is none.
  int find(const std::string& name) const {
    for (size_t i = 0; i < names.size(); ++i)
      if (names[i] == name) return static_cast<int>(i);
    return -1;
  }
  int findObject(const T& object) const {
    for (size_t i = 0; i < objects.size(); ++i)
      if (objects[i] == object) return static_cast<int>(i);
    return -1;
  }

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

  bool empty() const { return names.empty(); }

  std::vector<std::string> names;
  std::vector<T> objects;
  std::vector<int32_t> counts;
};
