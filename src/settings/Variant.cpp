#include "settings/Variant.h"

#include <string>

std::string Variant::ToText() const {
    switch (GetKind()) {
        case Kind::Empty:
            return std::string();
        case Kind::String:
            return AsString();
        case Kind::Integer:
            return std::to_string(AsInteger());
        case Kind::Long:
            return std::to_string(AsLong());
        case Kind::Boolean:
            return AsBoolean() != kFalse ? "True" : "False";
        case Kind::Bytes:
            return std::string(AsBytes().begin(), AsBytes().end());
    }
    return std::string();
}
