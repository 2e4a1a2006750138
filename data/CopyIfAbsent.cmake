# Copies SOURCE to DESTINATION only when DESTINATION does not exist yet, so a user's state survives a rebuild.
if(NOT EXISTS "${DESTINATION}")
    file(COPY "${SOURCE}/" DESTINATION "${DESTINATION}")
endif()
