// Tokenizer, recursive-descent parser and evaluator of the condition language.
#include "criteria.h"

#include <QStringList>
#include <algorithm>
#include <limits>
#include <map>

#include "criteria_node.h"
#include "store_error.h"

namespace store {

namespace {

using Node = Criteria::Node;
using NodePtr = std::shared_ptr<const Node>;

struct Token {
    enum class Kind { Name, Number, Text, Op, Open, Close, End } kind;
    QString value;
    int pos;
};

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> tokens;
    int i = 0;
    const int n = static_cast<int>(s.size());
    auto fail = [&](const QString& why, int at) {
        throw StoreError(
            QStringLiteral("%1 at position %2 of the condition \"%3\".").arg(why).arg(at + 1).arg(s));
    };
    while (i < n) {
        const QChar ch = s[i];
        if (ch.isSpace()) {
            ++i;
        } else if (ch == u'(' || ch == u')') {
            tokens.push_back({ch == u'(' ? Token::Kind::Open : Token::Kind::Close, QString(ch), i});
            ++i;
        } else if (ch == u'\'' || ch == u'"') {
            // A quote inside is written twice.
            const int start = i++;
            QString value;
            bool closed = false;
            while (i < n) {
                if (s[i] == ch) {
                    if (i + 1 < n && s[i + 1] == ch) {
                        value += ch;
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                value += s[i++];
            }
            if (!closed) fail(QStringLiteral("Unclosed quotation mark"), start);
            tokens.push_back({Token::Kind::Text, value, start});
        } else if (ch.isDigit() || (ch == u'-' && i + 1 < n && s[i + 1].isDigit())) {
            const int start = i++;
            while (i < n && s[i].isDigit()) ++i;
            tokens.push_back({Token::Kind::Number, s.mid(start, i - start), start});
        } else if (ch == u'=' || ch == u'<' || ch == u'>' || ch == u'!') {
            // The whole run of operator characters is one operator, so "==" or "=>" is refused
            // rather than read as something else.
            const int start = i++;
            while (i < n && (s[i] == u'=' || s[i] == u'<' || s[i] == u'>' || s[i] == u'!')) ++i;
            const QString op = s.mid(start, i - start);
            static const QStringList known = {QStringLiteral("="), QStringLiteral("<>"),
                                              QStringLiteral("<"), QStringLiteral("<="),
                                              QStringLiteral(">"), QStringLiteral(">=")};
            if (!known.contains(op)) fail(QStringLiteral("Unknown operator \"%1\"").arg(op), start);
            tokens.push_back({Token::Kind::Op, op, start});
        } else if (ch.isLetter() || ch == u'_') {
            const int start = i++;
            while (i < n && (s[i].isLetterOrNumber() || s[i] == u'_')) ++i;
            tokens.push_back({Token::Kind::Name, s.mid(start, i - start), start});
        } else {
            fail(QStringLiteral("Unexpected character '%1'").arg(ch), i);
        }
    }
    tokens.push_back({Token::Kind::End, {}, static_cast<int>(n)});
    return tokens;
}

// Limits that keep a typed condition from exhausting the stack of the parser or the evaluator;
// a learner's search never comes near them.
constexpr int kMaxDepth = 64;
constexpr int kMaxComparisons = 256;

class Parser {
public:
    Parser(const QString& text, const Fields& fields)
        : text_(text), fields_(fields), tokens_(tokenize(text)) {}

    NodePtr parseAll() {
        if (peek().kind == Token::Kind::End) fail(QStringLiteral("The condition is empty"));
        NodePtr root = parseOr();
        if (peek().kind != Token::Kind::End) fail(QStringLiteral("Unexpected \"%1\"").arg(peek().value));
        return root;
    }

private:
    const Token& peek() const { return tokens_[pos_]; }
    const Token& take() { return tokens_[pos_++]; }
    bool keyword(const char* word) const {
        return peek().kind == Token::Kind::Name &&
               peek().value.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    [[noreturn]] void fail(const QString& why) const {
        throw StoreError(QStringLiteral("%1 at position %2 of the condition \"%3\".")
                             .arg(why)
                             .arg(peek().pos + 1)
                             .arg(text_));
    }

    NodePtr join(Node::Kind kind, NodePtr left, NodePtr right) {
        auto node = std::make_shared<Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    NodePtr parseOr() {
        NodePtr left = parseAnd();
        while (keyword("or")) {
            take();
            left = join(Node::Kind::Or, left, parseAnd());
        }
        return left;
    }

    NodePtr parseAnd() {
        NodePtr left = parseNot();
        while (keyword("and")) {
            take();
            left = join(Node::Kind::And, left, parseNot());
        }
        return left;
    }

    NodePtr parseNot() {
        if (keyword("not") || peek().kind == Token::Kind::Open) {
            if (++depth_ > kMaxDepth) fail(QStringLiteral("The condition is nested too deeply"));
            NodePtr node;
            if (keyword("not")) {
                take();
                node = join(Node::Kind::Not, parseNot(), nullptr);
            } else {
                take();
                node = parseOr();
                if (peek().kind != Token::Kind::Close)
                    fail(QStringLiteral("A closing parenthesis is missing"));
                take();
            }
            --depth_;
            return node;
        }
        if (++comparisons_ > kMaxComparisons) fail(QStringLiteral("The condition has too many comparisons"));
        return parseComparison();
    }

    NodePtr parseComparison() {
        if (peek().kind != Token::Kind::Name || keyword("and") || keyword("or") || keyword("not"))
            fail(QStringLiteral("A field name is expected"));
        const Token name = take();
        const int field = fields_.indexOf(name.value);
        if (field < 0) {
            throw StoreError(
                QStringLiteral("Unknown field \"%1\" in the condition \"%2\".").arg(name.value, text_));
        }
        if (peek().kind != Token::Kind::Op) fail(QStringLiteral("A comparison operator is expected"));
        const QString op = take().value;
        auto node = std::make_shared<Node>();
        node->kind = Node::Kind::Compare;
        node->field = field;
        node->op = op == u"="    ? Op::Eq
                   : op == u"<>" ? Op::Ne
                   : op == u"<"  ? Op::Lt
                   : op == u"<=" ? Op::Le
                   : op == u">"  ? Op::Gt
                                 : Op::Ge;
        const Token literal = take();
        const bool numberField = fields_.types[static_cast<size_t>(field)] == FieldType::Integer;
        if (literal.kind == Token::Kind::Number) {
            if (!numberField)
                throw StoreError(QStringLiteral("The text field \"%1\" is compared with a number in \"%2\".")
                                     .arg(fields_.names[field], text_));
            bool ok = false;
            node->number = literal.value.toLongLong(&ok);
            if (!ok) fail(QStringLiteral("The number is too large"));
            node->numeric = true;
        } else if (literal.kind == Token::Kind::Text) {
            if (numberField)
                throw StoreError(QStringLiteral("The number field \"%1\" is compared with a text in \"%2\".")
                                     .arg(fields_.names[field], text_));
            node->text = literal.value;
        } else {
            --pos_;
            fail(QStringLiteral("A number or a quoted text is expected"));
        }
        return node;
    }

    QString text_;
    const Fields& fields_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
    int depth_ = 0;
    int comparisons_ = 0;
};

bool holds(Op op, int cmp) {
    switch (op) {
        case Op::Eq:
            return cmp == 0;
        case Op::Ne:
            return cmp != 0;
        case Op::Lt:
            return cmp < 0;
        case Op::Le:
            return cmp <= 0;
        case Op::Gt:
            return cmp > 0;
        case Op::Ge:
            return cmp >= 0;
    }
    return false;
}

bool evaluate(const Node& node, const std::vector<QVariant>& row) {
    switch (node.kind) {
        case Node::Kind::And:
            return evaluate(*node.left, row) && evaluate(*node.right, row);
        case Node::Kind::Or:
            return evaluate(*node.left, row) || evaluate(*node.right, row);
        case Node::Kind::Not:
            return !evaluate(*node.left, row);
        case Node::Kind::Compare:
            break;
    }
    return compareHolds(node, row[static_cast<size_t>(node.field)]);
}

void collectFields(const Node& node, std::vector<int>& out) {
    if (node.kind == Node::Kind::Compare) {
        out.push_back(node.field);
        return;
    }
    collectFields(*node.left, out);
    if (node.right) collectFields(*node.right, out);
}

}  // namespace

// The value of a number field as a whole number; nothing for an empty field, a text or a fraction
// (which the number fields refuse, all but sorrend). SQLite's typeof() says 'integer' for exactly
// these, so the SQL of a comparison can ask the same.
static std::optional<qlonglong> wholeNumber(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
            return value.toLongLong();
        case QMetaType::ULongLong: {
            const qulonglong v = value.toULongLong();
            if (v > qulonglong(std::numeric_limits<qlonglong>::max())) return std::nullopt;
            return qlonglong(v);
        }
        default:
            return std::nullopt;
    }
}

bool compareHolds(const Node& node, const QVariant& value) {
    if (value.isNull()) return false;  // an empty field satisfies no comparison
    if (node.numeric) {
        const std::optional<qlonglong> v = wholeNumber(value);
        if (!v) return false;
        return holds(node.op, *v < node.number ? -1 : *v > node.number ? 1 : 0);
    }
    return holds(node.op, value.toString().compare(node.text, Qt::CaseInsensitive));
}

Criteria Criteria::parse(const QString& condition, const Fields& fields) {
    Criteria c;
    c.text_ = condition;
    c.fields_ = &fields;
    c.root_ = Parser(condition, fields).parseAll();
    return c;
}

bool Criteria::matches(const std::vector<QVariant>& row) const {
    return evaluate(*root_, row);
}

std::vector<int> Criteria::fieldsRead() const {
    std::vector<int> out;
    collectFields(*root_, out);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

}  // namespace store
