# File-system access for the layers above: files, folders, text streams, tree deletion.
brisvane_layer(files DEPENDS platform
    PORTABLE FileErrorNumber.cpp
    WINDOWS FileBytes.cpp FileError.cpp FileSystem.cpp ScratchCopy.cpp TextStream.cpp TreeDelete.cpp
            Win32Path.cpp)
