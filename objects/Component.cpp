#include "objects/Component.h"

#include "objects/ComponentFactory.h"
#include "objects/Serializer.h"

std::string Component::GetTypeName() {
    return ComponentName(componentType);
}

bool Component::Serialize(Serializer& serializer) {
    serializer.WriteString(GetTypeName());
    return true;
}

bool Component::Deserialize(Serializer& serializer) {
    return serializer.Good();
}
