#pragma once

#include <span>
#include <string_view>

namespace mirtal::store {

enum class ColumnKind { Number, Text, Day };

struct Column {
    std::string_view name;
    ColumnKind kind;
};

struct Table {
    std::string_view name;
    std::span<const Column> columns;  // in table order, the order inserts supply them
};

// The eight tables of the database with their columns in table order.
std::span<const Table> tables();

// Case-insensitive look-ups; nullptr when unknown.
const Table* findTable(std::string_view name);
const Column* findColumn(const Table& table, std::string_view name);

}  // namespace mirtal::store
