// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/strict_json.h"

#include <QCoreApplication>
#include <QSet>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace scene {

namespace {

// Deeper than any scene, shallow enough that the walk never runs out of stack.
constexpr int depthLimit = 16;

class Checker {
public:
    explicit Checker(const QByteArray& bytes) : text_(bytes) {}

    std::optional<QString> run() {
        skipSpace();
        value(0);
        skipSpace();
        if (!problem_ && at_ < text_.size())
            fail(QCoreApplication::translate("Json", "περισσεύει κείμενο μετά το τέλος"));
        return problem_;
    }

private:
    void fail(const QString& what) {
        if (!problem_)
            problem_ = QCoreApplication::translate("Json", "%1 (στο byte %2)").arg(what).arg(at_);
    }

    bool more() const { return !problem_ && at_ < text_.size(); }
    char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }

    void skipSpace() {
        while (at_ < text_.size() &&
               (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++at_;
    }

    bool expect(char c) {
        if (peek() == c && at_ < text_.size()) {
            ++at_;
            return true;
        }
        fail(at_ < text_.size()
                 ? QCoreApplication::translate("Json", "περίμενα «%1»").arg(QLatin1Char(c))
                 : QCoreApplication::translate("Json", "το κείμενο κόβεται πριν τελειώσει"));
        return false;
    }

    void value(int depth) {
        if (depth > depthLimit)
            return fail(QCoreApplication::translate("Json", "πάρα πολλά εμφωλευμένα επίπεδα"));
        skipSpace();
        if (at_ >= text_.size())
            return fail(QCoreApplication::translate("Json", "το κείμενο κόβεται πριν τελειώσει"));
        switch (peek()) {
        case '{':
            return object(depth);
        case '[':
            return array(depth);
        case '"':
            string();
            return;
        case 't':
            return word("true");
        case 'f':
            return word("false");
        case 'n':
            return word("null");
        default:
            return number();
        }
    }

    void object(int depth) {
        ++at_;
        QSet<QString> keys;
        skipSpace();
        if (peek() == '}') {
            ++at_;
            return;
        }
        while (more()) {
            skipSpace();
            const qsizetype keyAt = at_;
            if (peek() != '"')
                return fail(QCoreApplication::translate("Json", "περίμενα όνομα πεδίου"));
            const QString key = string();
            if (problem_)
                return;
            if (keys.contains(key)) {
                at_ = keyAt;
                return fail(QCoreApplication::translate("Json", "το ίδιο πεδίο δύο φορές"));
            }
            keys.insert(key);
            skipSpace();
            if (!expect(':'))
                return;
            value(depth + 1);
            skipSpace();
            if (peek() == ',' && at_ < text_.size()) {
                ++at_;
                continue;
            }
            expect('}');
            return;
        }
        fail(QCoreApplication::translate("Json", "το κείμενο κόβεται πριν τελειώσει"));
    }

    void array(int depth) {
        ++at_;
        skipSpace();
        if (peek() == ']') {
            ++at_;
            return;
        }
        while (more()) {
            value(depth + 1);
            skipSpace();
            if (peek() == ',' && at_ < text_.size()) {
                ++at_;
                continue;
            }
            expect(']');
            return;
        }
        fail(QCoreApplication::translate("Json", "το κείμενο κόβεται πριν τελειώσει"));
    }

    // The string's text, its escapes decoded, so that keys written differently compare.
    QString string() {
        ++at_;
        QString decoded;
        qsizetype plainFrom = at_;
        auto takePlain = [&] {
            decoded += QString::fromUtf8(text_.constData() + plainFrom, at_ - plainFrom);
        };
        while (at_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[at_]);
            if (c == '"') {
                takePlain();
                ++at_;
                return decoded;
            }
            if (c < 0x20) {
                fail(QCoreApplication::translate("Json", "χαρακτήρας ελέγχου μέσα σε κείμενο"));
                return {};
            }
            if (c == '\\') {
                takePlain();
                if (!escape(decoded))
                    return {};
                plainFrom = at_;
                continue;
            }
            ++at_;
        }
        fail(QCoreApplication::translate("Json", "το κείμενο κόβεται πριν τελειώσει"));
        return {};
    }

    bool escape(QString& decoded) {
        ++at_;
        static const QByteArray simple = "\"\\/bfnrt";
        static const char16_t meaning[] = u"\"\\/\b\f\n\r\t";
        const qsizetype i = at_ < text_.size() ? simple.indexOf(peek()) : -1;
        if (i >= 0) {
            decoded += QChar(meaning[i]);
            ++at_;
            return true;
        }
        bool ok = false;
        const QByteArray hex = text_.mid(at_ + 1, 4);
        const uint unit = hex.toUInt(&ok, 16);
        if (peek() != 'u' || !ok || hex.size() != 4 || hex.contains('+') || hex.contains('-')) {
            fail(QCoreApplication::translate("Json", "άγνωστη διαφυγή σε κείμενο"));
            return false;
        }
        decoded += QChar(char16_t(unit));
        at_ += 5;
        return true;
    }

    void word(const char* w) {
        const QByteArray expected(w);
        if (text_.mid(at_, expected.size()) != expected)
            return fail(QCoreApplication::translate("Json", "άγνωστη λέξη"));
        at_ += expected.size();
    }

    // The grammar of JSON numbers, and a value a double can hold: 1e400 and 1e-400 are
    // refused rather than read as infinity or zero.
    void number() {
        const qsizetype start = at_;
        auto digits = [&] {
            const qsizetype from = at_;
            while (at_ < text_.size() && peek() >= '0' && peek() <= '9')
                ++at_;
            return at_ - from;
        };
        if (peek() == '-')
            ++at_;
        if (peek() == '0' && at_ < text_.size()) {
            ++at_;
        } else if (digits() == 0) {
            at_ = start;
            return fail(QCoreApplication::translate("Json", "μη έγκυρη τιμή"));
        }
        if (peek() == '.' && at_ < text_.size()) {
            ++at_;
            if (digits() == 0)
                return fail(QCoreApplication::translate("Json", "αριθμός χωρίς δεκαδικά ψηφία"));
        }
        if ((peek() == 'e' || peek() == 'E') && at_ < text_.size()) {
            ++at_;
            if ((peek() == '+' || peek() == '-') && at_ < text_.size())
                ++at_;
            if (digits() == 0)
                return fail(QCoreApplication::translate("Json", "αριθμός χωρίς εκθέτη"));
        }
        const std::string written = text_.mid(start, at_ - start).toStdString();
        errno = 0;
        const double read = std::strtod(written.c_str(), nullptr);
        const bool zero = written.find_first_of("123456789") == std::string::npos ||
                          written.find_first_of("123456789") > written.find_first_of("eE");
        if (errno == ERANGE && (std::isinf(read) || (read == 0 && !zero))) {
            at_ = start;
            fail(QCoreApplication::translate("Json", "ο αριθμός %1 είναι εκτός των ορίων")
                     .arg(QString::fromStdString(written.substr(0, 24))));
        }
    }

    const QByteArray& text_;
    qsizetype at_ = 0;
    std::optional<QString> problem_;
};

} // namespace

std::optional<QString> strictJsonProblem(const QByteArray& bytes) {
    return Checker(bytes).run();
}

} // namespace scene
