// The parsed form of a condition, shared by its evaluator and its SQL compiler.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>

#include "criteria.h"

namespace store {

enum class Op { Eq, Ne, Lt, Le, Gt, Ge };

struct Criteria::Node {
    enum class Kind { And, Or, Not, Compare } kind;
    std::shared_ptr<const Node> left, right;  // And/Or: both; Not: left
    int field = -1;
    Op op = Op::Eq;
    bool numeric = false;
    qlonglong number = 0;
    QString text;
};

// Whether one field value satisfies one comparison (a Compare node).
bool compareHolds(const Criteria::Node& node, const QVariant& value);

}  // namespace store
