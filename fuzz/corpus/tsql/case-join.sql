Select M.Koll, Case When K.IsActive = '1' Then N'فعال' Else N'غير فعال' End From Moein M Left Join Koll K On K.Koll = M.Koll
