-- Schema of the record database. Run at every open: each statement on its
-- own, failures skipped, so that it creates a new file and upgrades an old
-- one. Columns added after the first release come as one alter per column;
-- append new ones at the end, never change a line that has shipped.
create table if not exists tb_device (
    sn varchar(20) primary key,
    devicename varchar(20),
    branchcode varchar(10),
    btlversion varchar(10),
    appversion varchar(10),
    fileversion varchar(10),
    devicejson varchar(500)
);
create table if not exists tb_check (
    flowid varchar(40) primary key,
    checktime varchar(14),
    sn varchar(20),
    duration INTEGER,
    startDateTime DATETIME,
    SecPerPoint real,
    o2_high INTEGER,
    o2_avg INTEGER,
    o2_min INTEGER,
    hr_max INTEGER,
    hr_avg INTEGER,
    hr_min INTEGER,
    o2score INTEGER,
    few90_duration INTEGER,
    drops_3 INTEGER,
    drops_4 INTEGER
);
create table if not exists tb_patientcheck (
    flowid varchar(40) primary key,
    name varchar(30),
    userid varchar(30),
    sex tinyint,
    birthday varchar(14),
    height real,
    weight real,
    physician varchar(30),
    remarks varchar(400),
    unit tinyint
);
create table if not exists tb_patientsearch (
    name varchar(30),
    userid varchar(30),
    sex tinyint,
    birthday varchar(14),
    height real,
    weight real,
    physician varchar(30),
    remarks varchar(400),
    unit tinyint,
    primary key (name, birthday)
);
create table if not exists tb_deleted (
    flowid varchar(40) primary key,
    checktime varchar(14),
    sn varchar(20)
);
alter table tb_check add column note varchar(400);
alter table tb_check add column remarks varchar(400);
alter table tb_device add column deviceID varchar(20);
alter table tb_check add column resourceID varchar(20);
alter table tb_check add column deviceID varchar(20);
create index if not exists idx_check_sn on tb_check (sn);
