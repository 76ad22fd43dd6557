#include "skin/engine/SkinFields.h"

#include "platform/base/IniFile.h"
#include "platform/base/SysUtils.h"

void BindField(TlxFieldList& list, void* object, const char* name, const char* key, TlxFieldType type,
               TlxDefault read, TlxDefault init) {
    list.push_back({name, key ? std::string(key) : LowerCase(name), type, object, read, init});
}

void InitFields(const TlxFieldList& fields) {
    for (const TlxField& f : fields) {
        switch (f.Type) {
        case TlxFieldType::Integer:
            f.As<int>() = f.Init.Int;
            break;
        case TlxFieldType::Color:
            f.As<TColor>() = f.Init.Int;
            break;
        case TlxFieldType::Boolean:
            f.As<bool>() = f.Init.Int != 0;
            break;
        case TlxFieldType::Rect:
            f.As<TRect>() = {};
            break;
        case TlxFieldType::Point:
            f.As<TPoint>() = {};
            break;
        case TlxFieldType::String:
            f.As<std::string>() = f.Init.Str;
            break;
        case TlxFieldType::FontStyles:
            f.As<TFontStyles>() = TFontStyles::FromBits(unsigned(f.Init.Int));
            break;
        case TlxFieldType::Alignment:
            f.As<TAlignment>() = static_cast<TAlignment>(f.Init.Int);
            break;
        case TlxFieldType::MorphKind:
            f.As<TlxMorphKind>() = static_cast<TlxMorphKind>(f.Init.Int);
            break;
        case TlxFieldType::StretchType:
            f.As<TlxStretchType>() = static_cast<TlxStretchType>(f.Init.Int);
            break;
        case TlxFieldType::InActiveEffect:
            f.As<TlxInActiveEffect>() = static_cast<TlxInActiveEffect>(f.Init.Int);
            break;
        case TlxFieldType::StdCommand:
            f.As<TlxStdCommand>() = static_cast<TlxStdCommand>(f.Init.Int);
            break;
        }
    }
}

void ReadFields(TCustomIniFile& ini, const std::string& section, const TlxFieldList& fields) {
    for (const TlxField& f : fields) {
        const std::string& key = f.Key;
        switch (f.Type) {
        case TlxFieldType::Integer:
            f.As<int>() = ini.ReadInteger(section, key, f.Read.Int);
            break;
        case TlxFieldType::Color:
            f.As<TColor>() = ini.ReadInteger(section, key, f.Read.Int);
            break;
        case TlxFieldType::Boolean:
            f.As<bool>() = ReadBoolean(ini, section, key);
            break;
        case TlxFieldType::Rect:
            ReadRect(ini, section, key, f.As<TRect>());
            break;
        case TlxFieldType::Point:
            ReadPoint(ini, section, key, f.As<TPoint>());
            break;
        case TlxFieldType::String:
            f.As<std::string>() = ini.ReadString(section, key, f.Read.Str);
            break;
        case TlxFieldType::FontStyles:
            f.As<TFontStyles>() = ReadFontStyles(ini, section, key);
            break;
        case TlxFieldType::Alignment:
            f.As<TAlignment>() = ReadAlignment(ini, section, key);
            break;
        case TlxFieldType::MorphKind:
            f.As<TlxMorphKind>() = ReadMorphKind(ini, section, key);
            break;
        case TlxFieldType::StretchType:
            f.As<TlxStretchType>() = ReadStretchType(ini, section, key);
            break;
        case TlxFieldType::InActiveEffect:
            f.As<TlxInActiveEffect>() = ReadInActiveEffect(ini, section, key);
            break;
        case TlxFieldType::StdCommand:
            f.As<TlxStdCommand>() = ReadStdCommand(ini, section, key);
            break;
        }
    }
}

std::string FieldText(const TlxField& f) {
    switch (f.Type) {
    case TlxFieldType::Integer:
        return std::to_string(f.As<int>());
    case TlxFieldType::Color:
        return std::to_string(f.As<TColor>());
    case TlxFieldType::Boolean:
        return f.As<bool>() ? "1" : "0";
    case TlxFieldType::Rect:
        return RectText(f.As<TRect>());
    case TlxFieldType::Point:
        return PointText(f.As<TPoint>());
    case TlxFieldType::String:
        return f.As<std::string>();
    case TlxFieldType::FontStyles:
        return FontStylesText(f.As<TFontStyles>());
    case TlxFieldType::Alignment:
        return AlignmentWord(f.As<TAlignment>());
    case TlxFieldType::MorphKind:
        return MorphKindWord(f.As<TlxMorphKind>());
    case TlxFieldType::StretchType:
        return StretchTypeWord(f.As<TlxStretchType>());
    case TlxFieldType::InActiveEffect:
        return InActiveEffectWord(f.As<TlxInActiveEffect>());
    case TlxFieldType::StdCommand:
        return StdCommandWord(f.As<TlxStdCommand>());
    }
    return {};
}

void WriteFields(TCustomIniFile& ini, const std::string& section, const TlxFieldList& fields) {
    for (const TlxField& f : fields) {
        switch (f.Type) {
        case TlxFieldType::Rect:
            WriteRect(ini, section, f.Key, f.As<TRect>());
            break;
        case TlxFieldType::Point:
            WritePoint(ini, section, f.Key, f.As<TPoint>());
            break;
        default:
            ini.WriteString(section, f.Key, FieldText(f));
            break;
        }
    }
}
