-- What a new clinic database holds: the settings row and the first user,
-- whose login the login dialog notes (ADMIN / 123).
INSERT INTO 设置表 (诊所名称, 默认登陆名, 默认密码) VALUES ('我的诊所', 'ADMIN', '123');
INSERT INTO 用户表 (用户名, 登陆名, 密码) VALUES ('ADMIN', '管理员', '123');
