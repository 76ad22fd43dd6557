#include "platform/vcl/TDescriptionWriter.h"

#include <charconv>

namespace {

const int BytesPerLine = 32;

class TWriter {
public:
    std::string Out;

    void Object(const TDescObject& Obj, int Depth) {
        Indent(Depth);
        Out += Obj.Inherited ? "inherited " : "object ";
        if (!Obj.Name.empty()) Out += Obj.Name + ": ";
        Out += Obj.ClassName + "\n";
        for (const TDescProperty& p : Obj.Properties)
            Property(p, Depth + 1);
        for (const TDescObject& child : Obj.Children)
            Object(child, Depth + 1);
        Indent(Depth);
        Out += "end\n";
    }

private:
    void Indent(int Depth) { Out.append(static_cast<size_t>(Depth) * 2, ' '); }

    void Property(const TDescProperty& P, int Depth) {
        Indent(Depth);
        Out += P.Name + " = ";
        Value(P.Value, Depth);
        Out += "\n";
    }

    void Value(const TDescValue& V, int Depth) {
        switch (V.Kind) {
        case TDescValueKind::Integer:
            Out += std::to_string(V.Integer);
            break;
        case TDescValueKind::Float:
            Float(V.Float);
            break;
        case TDescValueKind::String:
            Out += TDescriptionWriter::QuoteString(V.Text);
            break;
        case TDescValueKind::Ident:
            Out += V.Text;
            break;
        case TDescValueKind::Set:
            Out += "[";
            for (size_t i = 0; i < V.Elements.size(); ++i)
                Out += (i ? ", " : "") + V.Elements[i];
            Out += "]";
            break;
        case TDescValueKind::List:
            Out += "(";
            for (const TDescValue& e : V.List) {
                Out += "\n";
                Indent(Depth + 1);
                Value(e, Depth + 1);
            }
            Out += ")";
            break;
        case TDescValueKind::Collection:
            Out += "<";
            for (const TDescItem& item : V.Items) {
                Out += "\n";
                Indent(Depth + 1);
                Out += "item\n";
                for (const TDescProperty& p : item.Properties)
                    Property(p, Depth + 2);
                Indent(Depth + 1);
                Out += "end";
            }
            Out += ">";
            break;
        case TDescValueKind::Binary:
            Binary(V.Bytes, Depth);
            break;
        }
    }

    void Float(double F) {
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, F);
        std::string s(buf, r.ptr);
        // Keep the value a float when it reads back.
        if (s.find_first_of(".e") == std::string::npos) s += ".0";
        Out += s;
    }

    void Binary(const std::vector<uint8_t>& Bytes, int Depth) {
        static const char hex[] = "0123456789ABCDEF";
        Out += "{";
        for (size_t i = 0; i < Bytes.size(); ++i) {
            if (i % BytesPerLine == 0) {
                Out += "\n";
                Indent(Depth + 1);
            }
            Out += hex[Bytes[i] >> 4];
            Out += hex[Bytes[i] & 15];
        }
        Out += "}";
    }
};

} // namespace

std::string TDescriptionWriter::QuoteString(const std::string& Value) {
    if (Value.empty()) return "''";
    std::string out;
    bool quoted = false;
    for (char c : Value) {
        auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) {
            if (quoted) out += '\'';
            quoted = false;
            out += "#" + std::to_string(u);
            continue;
        }
        if (!quoted) out += '\'';
        quoted = true;
        out += c;
        if (c == '\'') out += '\'';
    }
    if (quoted) out += '\'';
    return out;
}

std::string TDescriptionWriter::Write(const TDescObject& Root) {
    TWriter w;
    w.Object(Root, 0);
    return w.Out;
}
