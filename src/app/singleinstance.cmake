# The one-copy guard talks over a local socket.
find_package(Qt6 REQUIRED COMPONENTS Network)
target_link_libraries(tabwise_core PUBLIC Qt6::Network)
