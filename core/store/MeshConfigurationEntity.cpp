#include "MeshConfigurationEntity.h"

MeshConfigurationEntity::MeshConfigurationEntity() : m_strHostName(), m_nChannel(1), m_nAdvertiseTime(10) {}
