#pragma once

#include <algorithm>
#include <memory>
#include <vector>

// An ordered list of records that owns them: a record appended with Add
// belongs to the list and is released by Clear, by the list's destruction and
// when a new list is assigned over it.
template <typename T> class TList
{
public:
    using Compare = int (*)(const T *a, const T *b);

    void Add(T *item) { items.emplace_back(item); }
    int Count() const { return static_cast<int>(items.size()); }
    T *Get(int index) const { return items.at(static_cast<std::size_t>(index)).get(); }
    T *operator[](int index) const { return Get(index); }
    void Clear() { items.clear(); }

    // Sorts in place: negative from compare puts a before b, zero means equal
    // (their relative order is then unspecified), positive puts a after b.
    void Sort(Compare compare)
    {
        std::sort(items.begin(), items.end(),
            [compare](const auto &a, const auto &b) { return compare(a.get(), b.get()) < 0; });
    }

    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

private:
    std::vector<std::unique_ptr<T>> items;
};
