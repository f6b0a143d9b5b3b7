// The condition language compiled into an SQL WHERE clause with bound values.
#include <map>

#include "criteria_node.h"

namespace store {

namespace {

using Node = Criteria::Node;

// Every comparison becomes an expression that is never NULL (an empty field gives false, as in
// matches), so that NOT, AND and OR mean in SQL what they mean in C++.

const char* sqlOperator(Op op) {
    switch (op) {
        case Op::Eq:
            return "=";
        case Op::Ne:
            return "<>";
        case Op::Lt:
            return "<";
        case Op::Le:
            return "<=";
        case Op::Gt:
            return ">";
        case Op::Ge:
            return ">=";
    }
    return "=";
}

// A piece of SQL, or a truth value known without one.
struct Piece {
    enum class Kind { True, False, Sql } kind = Kind::True;
    QString sql;
    std::vector<QVariant> binds;
    static Piece constant(bool value) { return {value ? Kind::True : Kind::False, {}, {}}; }
};

class SqlCompiler {
public:
    SqlCompiler(const Fields& fields, const DistinctValues& distinct, int maxBinds)
        : fields_(fields), distinct_(distinct), budget_(maxBinds) {}

    SqlCondition compile(const Node& root) {
        resolve(root);
        Piece piece = render(root, true);
        SqlCondition out;
        out.exact = exact_;
        out.where = piece.kind == Piece::Kind::Sql    ? piece.sql
                    : piece.kind == Piece::Kind::True ? QStringLiteral("1")
                                                      : QStringLiteral("0");
        out.binds = std::move(piece.binds);
        return out;
    }

private:
    QString column(int field) const { return QLatin1Char('"') + fields_.names[field] + QLatin1Char('"'); }

    // Puts every comparison into SQL that can go there, in the order they are written.
    void resolve(const Node& node) {
        if (node.kind != Node::Kind::Compare) {
            resolve(*node.left);
            if (node.right) resolve(*node.right);
            return;
        }
        std::optional<Piece> piece = node.numeric ? numberComparison(node) : textComparison(node);
        if (piece)
            leaves_.emplace(&node, std::move(*piece));
        else
            exact_ = false;
    }

    std::optional<Piece> numberComparison(const Node& node) {
        if (budget_ < 1) return std::nullopt;
        --budget_;
        const QString c = column(node.field);
        return Piece{Piece::Kind::Sql,
                     QStringLiteral("(typeof(%1) = 'integer' AND %1 %2 ?)")
                         .arg(c, QLatin1String(sqlOperator(node.op))),
                     {QVariant(node.number)}};
    }

    // The stored values that satisfy the comparison, listed: "field IN (...)", or the ones that do
    // not, "field NOT IN (...)", whichever is shorter.
    std::optional<Piece> textComparison(const Node& node) {
        auto known = values_.find(node.field);
        if (known == values_.end()) known = values_.emplace(node.field, distinct_(node.field)).first;
        if (!known->second) return std::nullopt;
        std::vector<QVariant> yes, no;
        for (const QVariant& v : *known->second) (compareHolds(node, v) ? yes : no).push_back(v);
        if (yes.empty()) return Piece::constant(false);
        const QString c = column(node.field);
        if (no.empty()) return Piece{Piece::Kind::Sql, QStringLiteral("(%1 IS NOT NULL)").arg(c), {}};
        const bool listYes = yes.size() <= no.size();
        std::vector<QVariant>& listed = listYes ? yes : no;
        if (static_cast<int>(listed.size()) > budget_) return std::nullopt;
        budget_ -= static_cast<int>(listed.size());
        QString marks = QStringLiteral("?");
        for (size_t i = 1; i < listed.size(); ++i) marks += QStringLiteral(", ?");
        return Piece{Piece::Kind::Sql,
                     QStringLiteral("(%1 IS NOT NULL AND %1 %2 (%3))")
                         .arg(c, listYes ? QStringLiteral("IN") : QStringLiteral("NOT IN"), marks),
                     std::move(listed)};
    }

    // A comparison left out of the SQL counts as true where the result must not lose a match,
    // and as false beneath a Not: the clause then selects every row that matches, and maybe more.
    Piece render(const Node& node, bool superset) const {
        switch (node.kind) {
            case Node::Kind::Compare: {
                auto it = leaves_.find(&node);
                return it != leaves_.end() ? it->second : Piece::constant(superset);
            }
            case Node::Kind::Not: {
                Piece inner = render(*node.left, !superset);
                if (inner.kind != Piece::Kind::Sql) return Piece::constant(inner.kind == Piece::Kind::False);
                inner.sql = QStringLiteral("(NOT %1)").arg(inner.sql);
                return inner;
            }
            case Node::Kind::And:
            case Node::Kind::Or:
                break;
        }
        const bool isAnd = node.kind == Node::Kind::And;
        Piece a = render(*node.left, superset);
        Piece b = render(*node.right, superset);
        // And: false wins, true drops out; Or: the reverse.
        const Piece::Kind wins = isAnd ? Piece::Kind::False : Piece::Kind::True;
        if (a.kind == wins || b.kind == wins) return Piece::constant(!isAnd);
        if (a.kind != Piece::Kind::Sql) return b;
        if (b.kind != Piece::Kind::Sql) return a;
        a.sql = QStringLiteral("(%1 %2 %3)")
                    .arg(a.sql, isAnd ? QStringLiteral("AND") : QStringLiteral("OR"), b.sql);
        a.binds.insert(a.binds.end(), std::make_move_iterator(b.binds.begin()),
                       std::make_move_iterator(b.binds.end()));
        return a;
    }

    const Fields& fields_;
    const DistinctValues& distinct_;
    int budget_;
    bool exact_ = true;
    std::map<const Node*, Piece> leaves_;
    std::map<int, std::optional<std::vector<QVariant>>> values_;
};

}  // namespace

SqlCondition Criteria::toSql(const DistinctValues& distinct, int maxBinds) const {
    return SqlCompiler(*fields_, distinct, maxBinds).compile(*root_);
}

}  // namespace store
