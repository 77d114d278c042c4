#include "objects/Component.h"

#include "objects/Serializer.h"

bool Component::Serialize(Serializer& serializer) {
    serializer.WriteString(GetTypeName());
    return true;
}

bool Component::Deserialize(Serializer& serializer) {
    return serializer.Good();
}
