// DB_Dll (being written).
