<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDlg</name>
    <message>
        <location filename="../../widgets/aboutdlg.ui" line="+7"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>New version found, click to download.</source>
        <translation>发现新版本，点击下载。</translation>
    </message>
    <message>
        <location filename="../../widgets/aboutdlg.cpp" line="+18"/>
        <source>Nocturnix V</source>
        <translation>Nocturnix V</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to open &quot;%1&quot;.</source>
        <translation>无法打开“%1”。</translation>
    </message>
</context>
<context>
    <name>AppShell</name>
    <message>
        <location filename="../../app/appshell.cpp" line="+110"/>
        <location line="+1"/>
        <source>Nocturnix</source>
        <translation>Nocturnix</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>is already running...</source>
        <translation>已在运行...</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>请以管理员权限重新启动本软件</translation>
    </message>
</context>
<context>
    <name>BackupWidget</name>
    <message>
        <location filename="../../cloud/ui/backupwidget.ui" line="+19"/>
        <source>Account:</source>
        <translation>账号：</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sign out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Automatic backup</source>
        <translation>自动备份</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Terms of Use</source>
        <translation>使用条款</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Privacy Policy</source>
        <translation>隐私政策</translation>
    </message>
    <message>
        <location filename="../../cloud/ui/backupwidget.cpp" line="+63"/>
        <location line="+15"/>
        <source>Preparing for synchronization</source>
        <translation>正在准备同步</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Records: %1</source>
        <translation>记录：%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Devices: %1</source>
        <translation>设备：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Uploading... %1</source>
        <translation>正在上传... %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Downloading... %1</source>
        <translation>正在下载... %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Synchronization is complete</source>
        <translation>同步完成</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Synchronization failed</source>
        <translation>同步失败</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to open &quot;%1&quot;.</source>
        <translation>无法打开“%1”。</translation>
    </message>
</context>
<context>
    <name>CloudDialog</name>
    <message>
        <location filename="../../cloud/ui/clouddialog.ui" line="+9"/>
        <location filename="../../cloud/ui/clouddialog.cpp" line="+18"/>
        <source>Online Backup</source>
        <translation>在线备份</translation>
    </message>
</context>
<context>
    <name>CommController</name>
    <message>
        <location filename="../../protocol/commcontroller.cpp" line="+287"/>
        <source>%1 could not be read; it is kept and read again at the next start.</source>
        <translation>无法读取 %1；该文件已保留，将在下次启动时重新读取。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 was not stored (%2); it is fetched again with the next download.</source>
        <translation>%1 未能保存（%2）；将在下次下载时重新获取。</translation>
    </message>
</context>
<context>
    <name>Contact</name>
    <message>
        <location filename="../../widgets/contact.ui" line="+7"/>
        <source>Contact Us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you have any problems with our products, please contact us through the following email, and we will reply to you as soon as possible.</source>
        <translation>如果您在使用我们的产品时遇到任何问题，请通过以下电子邮箱与我们联系，我们会尽快回复您。</translation>
    </message>
    <message>
        <location filename="../../widgets/contact.cpp" line="+18"/>
        <source>Email: &lt;a href=&quot;mailto:%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>电子邮箱：&lt;a href=&quot;mailto:%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DeviceSettingDlg</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.ui" line="+6"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="+49"/>
        <source>Configure</source>
        <translation>设备设置</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Reminder</source>
        <translation>提醒</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reminder Switch</source>
        <translation>提醒开关</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+87"/>
        <location line="+27"/>
        <location line="+67"/>
        <location line="+27"/>
        <location line="+70"/>
        <location line="+63"/>
        <source>On</source>
        <translation>开启</translation>
    </message>
    <message>
        <location line="-334"/>
        <location line="+87"/>
        <location line="+27"/>
        <location line="+67"/>
        <location line="+27"/>
        <location line="+70"/>
        <location line="+63"/>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="-328"/>
        <source>Vibration</source>
        <translation>振动</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Intensity</source>
        <translation>强度</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Very weak</source>
        <translation>很弱</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+421"/>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <location line="-416"/>
        <source>Strong</source>
        <translation>强</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Very strong</source>
        <translation>很强</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>SpO2</source>
        <translation>SpO2</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+94"/>
        <source>Vibration Switch</source>
        <translation>振动开关</translation>
    </message>
    <message>
        <location line="-67"/>
        <location line="+94"/>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Threshold</source>
        <translation>阈值</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pulse Rate</source>
        <translation>脉率</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Upper Threshold</source>
        <translation>上限阈值</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Lower Threshold</source>
        <translation>下限阈值</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No Value Reminder</source>
        <translation>无读数提醒</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No Value Reminder Switch</source>
        <translation>无读数提醒开关</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Reminder Delay Time</source>
        <translation>提醒延迟时间</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Set how long the invalid value lasts before the Base Station starts to alarm.</source>
        <translation>设置无效读数持续多长时间后基站开始报警。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Moving Reminder</source>
        <translation>体动提醒</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Moving Reminder Switch</source>
        <translation>体动提醒开关</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="+567"/>
        <source>Factory Reset</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Screen Mode</source>
        <translation>屏幕模式</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Always On</source>
        <translation>常亮</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-17"/>
        <source>Synchronize the clock</source>
        <translation>同步时钟</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Synchronize your device&apos;s clock with your computer&apos;s</source>
        <translation>将设备时钟与电脑时钟同步</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Screen Brightness</source>
        <translation>屏幕亮度</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-268"/>
        <location line="+4"/>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Storage Interval</source>
        <translation>存储间隔</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-143"/>
        <source>t_calc_avg_time_hint</source>
        <translation>设备存储读数的频率：间隔越短，保留的细节越多；间隔越长，设备可存储的夜数越多。</translation>
    </message>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-138"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>SN:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version: V</source>
        <translation>软件版本：V</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Press the key briefly to wake up the screen in standard mode when the device is at rest</source>
        <translation>设备静止时，在标准模式下短按按键即可唤醒屏幕</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You can wake up screen by touching the key on the device top when it&apos;s off.</source>
        <translation>屏幕熄灭时，触摸设备顶部的按键即可唤醒屏幕。</translation>
    </message>
    <message>
        <location line="+108"/>
        <location line="+4"/>
        <source>Volume Switch</source>
        <translation>声音开关</translation>
    </message>
    <message>
        <location line="+197"/>
        <location line="+20"/>
        <location line="+15"/>
        <location line="+9"/>
        <location line="+49"/>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="-93"/>
        <location line="+20"/>
        <source>Save failed</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save successed.</source>
        <translation>保存成功。</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+9"/>
        <source>busy</source>
        <translation>设备正忙，请稍候。</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Synchronize your device&apos;s clock with your computer&apos;s?</source>
        <translation>是否将设备时钟与电脑时钟同步？</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Synchronize the clock successed.</source>
        <translation>时钟同步成功。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Synchronize the clock failed.</source>
        <translation>时钟同步失败。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It will RESTORE default settings and ERASE all the data on your device.</source>
        <translation>此操作将恢复默认设置，并清除设备上的所有数据。</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <source>Factory Reset failed.</source>
        <translation>恢复出厂设置失败。</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Factory Reset successed.</source>
        <translation>恢复出厂设置成功。</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>info</source>
        <translation>信息</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low blood oxygen condition may have adverse effect on your health. The reminder is only for notification purpose, never use it for any medical condition</source>
        <translation>低血氧可能对您的健康造成不良影响。该提醒仅作提示之用，切勿用于任何医疗用途</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low blood oxygen condition may have adverse effect on your health. The vibration is only for notification purpose, never use it for any medical condition</source>
        <translation>低血氧可能对您的健康造成不良影响。该振动仅作提示之用，切勿用于任何医疗用途</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>This mode will consume power much more quickly.</source>
        <translation>此模式耗电会快得多。</translation>
    </message>
</context>
<context>
    <name>EditDialog</name>
    <message>
        <location filename="../../patient/editdialog.ui" line="+14"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ID#:</source>
        <translation>ID号：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Birthday:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Unit:</source>
        <translation>单位：</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Imperial</source>
        <translation>英制</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Metric</source>
        <translation>公制</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Physician:</source>
        <translation>医生：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Height:</source>
        <translation>身高：</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Weight:</source>
        <translation>体重：</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Note:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <location filename="../../patient/editdialog.cpp" line="+50"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+96"/>
        <location line="+12"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The patient details could not be saved.</source>
        <translation>无法保存患者信息。</translation>
    </message>
    <message>
        <location filename="../../patient/unitentry.cpp" line="+128"/>
        <source>Please enter the correct birthday</source>
        <translation>请输入正确的出生日期</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct weight</source>
        <translation>请输入正确的体重</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct height</source>
        <translation>请输入正确的身高</translation>
    </message>
</context>
<context>
    <name>LoginWidget</name>
    <message>
        <location filename="../../cloud/ui/loginwidget.ui" line="+26"/>
        <source>Email</source>
        <translation>电子邮箱</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Forgot your password?</source>
        <translation>忘记密码？</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>- Online Backup function is available for both Quillet app and Nocturnix client.</source>
        <translation>- Quillet 应用和 Nocturnix 客户端均支持在线备份功能。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- Using Online Backup function can back up your mobile phone or computer&apos;s local measurement data to our cloud server to better ensure the security of your data.</source>
        <translation>- 使用在线备份功能，可将手机或电脑上的本地测量数据备份到我们的云服务器，更好地保障数据安全。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- To use this function, please register and purchase services through Quillet app first.</source>
        <translation>- 如需使用此功能，请先通过 Quillet 应用注册并购买服务。</translation>
    </message>
    <message>
        <location filename="../../cloud/ui/loginwidget.cpp" line="+50"/>
        <location line="+95"/>
        <source>Login failed.</source>
        <translation>登录失败。</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Wrong account or password</source>
        <translation>账号或密码错误</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+40"/>
        <location line="+22"/>
        <location line="+20"/>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="-82"/>
        <location line="+40"/>
        <source>Please enter your email address</source>
        <translation>请输入您的电子邮箱地址</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+49"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Successful</source>
        <translation>成功</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Please check your email</source>
        <translation>请查收您的电子邮件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server did not send the link.</source>
        <translation>服务器未发送链接。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The server did not answer in time. Please try again later.</source>
        <translation>服务器未及时响应，请稍后重试。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../app/mainwindow.ui" line="+9"/>
        <location filename="../../app/mainwindow.cpp" line="+117"/>
        <source>Nocturnix</source>
        <translation>Nocturnix</translation>
    </message>
    <message>
        <location line="+20"/>
        <location filename="../../app/mainwindow.cpp" line="+15"/>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Configure</source>
        <translation>设备设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Online Backup</source>
        <translation>在线备份</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>FAQ</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Contact Us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>tip_text</source>
        <translation>请使用 USB 线将设备连接到这台电脑。</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Save as PDF</source>
        <translation>另存为PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../app/mainwindow.cpp" line="+1"/>
        <source>Export as CSV</source>
        <translation>导出为CSV</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="+2"/>
        <location line="+88"/>
        <source>No Device connected now. To Download and Configure, you need to connect to the device first.</source>
        <translation>当前未连接设备。如需下载或进行设备设置，请先连接设备。</translation>
    </message>
    <message>
        <location line="-51"/>
        <location line="+50"/>
        <source>No device connected</source>
        <translation>未连接设备</translation>
    </message>
    <message>
        <location line="-7"/>
        <source> is connected</source>
        <translation> 已连接</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To connect to your device using Quillet app on your phone, click the disconnect button!</source>
        <translation>如需通过手机上的 Quillet 应用连接设备，请点击断开连接按钮！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recorder found, but access is denied: install the udev rule %1 and plug it in again</source>
        <translation>已找到设备，但无权访问：请安装 udev 规则 %1，然后重新插入设备</translation>
    </message>
    <message>
        <location line="+89"/>
        <location filename="../../protocol/commcontroller.cpp" line="-249"/>
        <source>Can not connect to device.</source>
        <translation>无法连接设备。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can not read device setting.</source>
        <translation>无法读取设备设置。</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The file is corrupt.</source>
        <translation>文件已损坏。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Remove completed</source>
        <translation>删除完成</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>No recordings yet.
Connect a recorder and press Download to bring its nights in.</source>
        <translation>暂无记录。
请连接设备并点击“下载”，导入设备中的夜间记录。</translation>
    </message>
    <message>
        <location filename="../../protocol/commcontroller.cpp" line="-1"/>
        <source>All file downloaded.</source>
        <translation>所有文件已下载。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can not get device information.</source>
        <translation>无法获取设备信息。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create file failed.</source>
        <translation>创建文件失败。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can not get file information.</source>
        <translation>无法获取文件信息。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No data.</source>
        <translation>无数据。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download failed.</source>
        <translation>下载失败。</translation>
    </message>
    <message>
        <location filename="../../report/reportoutput.cpp" line="+38"/>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>print completed</source>
        <translation>打印完成</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>pdf File(*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+22"/>
        <source>create file failed</source>
        <translation>创建文件失败</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save as PDF failed</source>
        <translation>另存为PDF失败</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>save pdf completed</source>
        <translation>PDF保存完成</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>csv File(*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>save csv completed</source>
        <translation>CSV保存完成</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <location filename="../../app/messagebox.cpp" line="+55"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>MyTreeView</name>
    <message>
        <location filename="../../app/mytreeview.cpp" line="+71"/>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+30"/>
        <source>Mark</source>
        <translation>标注</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Remove items</source>
        <translation>删除记录</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Are you sure to remove selected items ?</source>
        <translation>确定要删除所选记录吗？</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Mark:</source>
        <translation>标注：</translation>
    </message>
</context>
<context>
    <name>MyTreeViewModel</name>
    <message>
        <location filename="../../app/mytreeviewmodel.cpp" line="+68"/>
        <source>MMM-yyyy</source>
        <translation>MMM-yyyy</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>hh:mm-dd-MMM</source>
        <translation>hh:mm-dd-MMM</translation>
    </message>
</context>
<context>
    <name>PatientInfo</name>
    <message>
        <location filename="../../patient/patientinfo.cpp" line="+74"/>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>女</translation>
    </message>
</context>
<context>
    <name>RecordingStore</name>
    <message>
        <location filename="../../storage/recordingstore.cpp" line="+235"/>
        <source>stored</source>
        <translation>已保存</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the stored night&apos;s missing file was put back</source>
        <translation>已补回已保存夜间记录中缺失的文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>already stored</source>
        <translation>此前已保存</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>deleted before, it stays deleted</source>
        <translation>此前已删除，保持删除状态</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the serial number cannot name a directory</source>
        <translation>序列号无法用作目录名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file name is not a start time (yyyyMMddhhmmss)</source>
        <translation>文件名不是开始时间（yyyyMMddhhmmss）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the branch code is empty or not the stored recorder&apos;s</source>
        <translation>型号代码为空，或与已保存设备的型号代码不符</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file cannot be read</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a readable recording</source>
        <translation>不是可读取的记录</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file cannot be written into the data directory</source>
        <translation>无法将文件写入数据目录</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the database did not take the record</source>
        <translation>数据库未能写入该记录</translation>
    </message>
</context>
<context>
    <name>ReportHelper</name>
    <message>
        <location filename="../../report/chartpainter.cpp" line="+166"/>
        <source>Oxygen Level(%)</source>
        <comment>venrik</comment>
        <translation>血氧水平(%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2(%)</source>
        <translation>SpO2(%)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Pulse Rate(/min)</source>
        <translation>脉率(/min)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Motion</source>
        <translation>体动</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Ratio(%)</source>
        <translation>比例(%)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Oxygen Level%</source>
        <comment>venrik</comment>
        <translation>血氧水平%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2%</source>
        <translation>SpO2%</translation>
    </message>
    <message>
        <location filename="../../report/reporthelper.cpp" line="+156"/>
        <source>Oxygen Level Report</source>
        <translation>血氧水平报告</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep Report</source>
        <translation>睡眠报告</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../../report/textblockpainter.cpp" line="+68"/>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Measurement Date:</source>
        <translation>测量日期：</translation>
    </message>
    <message>
        <location filename="../../report/reporttexts.cpp" line="+16"/>
        <source>%1h%2m%3s</source>
        <translation>%1h%2m%3s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1m%2s</source>
        <translation>%1m%2s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1s</source>
        <translation>%1s</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Drops over 3%:</source>
        <translation>下降超过3%：</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drops over 4%:</source>
        <translation>下降超过4%：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 times</source>
        <translation>%1 次</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Drops per hour:</source>
        <translation>每小时下降：</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Time&lt;1h</source>
        <translation>不足1小时</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start Date:</source>
        <translation>开始日期：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Time:</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>End Time:</source>
        <translation>结束时间：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Duration:</source>
        <translation>时长：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;90% time:</source>
        <translation>&lt;90%时间：</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>O2 Score:</source>
        <translation>O2评分：</translation>
    </message>
    <message>
        <location filename="../../report/textblockpainter.cpp" line="+1"/>
        <source>ID#:</source>
        <translation>ID号：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Height:</source>
        <translation>身高：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight:</source>
        <translation>体重：</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>BMI:</source>
        <translation>BMI：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Physician:</source>
        <translation>医生：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Highest</source>
        <translation>最高</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowest</source>
        <translation>最低</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Oxygen Level:</source>
        <comment>venrik</comment>
        <translation>血氧水平：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2:</source>
        <translation>SpO2：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pulse Rate:</source>
        <translation>脉率：</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Oxygen level</source>
        <translation>血氧水平</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>%Total</source>
        <translation>占比</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>95%-100%</source>
        <translation>95%-100%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>90%-94%</source>
        <translation>90%-94%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;90%</source>
        <translation>&lt;90%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pulse Rate</source>
        <translation>脉率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;120 /min</source>
        <translation>&gt;120 /min</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>50-120 /min</source>
        <translation>50-120 /min</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;50 /min</source>
        <translation>&lt;50 /min</translation>
    </message>
</context>
<context>
    <name>SetDataDirDlg</name>
    <message>
        <location filename="../../app/dialogs/setdatadirdlg.ui" line="+14"/>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Select directory to save data:</source>
        <translation>选择数据保存目录：</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../app/dialogs/setdatadirdlg.cpp" line="+24"/>
        <source>Browser</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/datadiraccess.cpp" line="+73"/>
        <source>Permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges or reselect the directory</source>
        <translation>请以管理员权限重新启动本软件，或重新选择目录</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/setdatadirdlg.cpp" line="-9"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <location filename="../../app/dialogs/settingdlg.ui" line="+14"/>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Default patient</source>
        <translation>默认患者</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>ID#:</source>
        <translation>ID号：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Birthday:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Unit:</source>
        <translation>单位：</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Imperial</source>
        <translation>英制</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Metric</source>
        <translation>公制</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Height:</source>
        <translation>身高：</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Weight:</source>
        <translation>体重：</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Physician:</source>
        <translation>医生：</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>SpO2 range:</source>
        <translation>SpO2范围：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>0-100</source>
        <translation>0-100</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>35-100</source>
        <translation>35-100</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>50-100</source>
        <translation>50-100</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>70-100</source>
        <translation>70-100</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pulse rate range:</source>
        <translation>脉率范围：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>25-150</source>
        <translation>25-150</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>25-250</source>
        <translation>25-250</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Data location</source>
        <translation>数据位置</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Browser</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <location filename="../../app/dialogs/settingdlg.cpp" line="+47"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Save in</source>
        <translation>保存位置</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+28"/>
        <location line="+21"/>
        <location line="+9"/>
        <location line="+56"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>The language setting is successful, please restart the software to take effect</source>
        <translation>语言设置成功，请重新启动软件以使其生效</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Can not select subdirectory.</source>
        <translation>不能选择当前数据目录的子目录。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The selected directory already holds a database. Please select another directory.</source>
        <translation>所选目录中已有数据库，请选择其他目录。</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The database could not be opened in %1.</source>
        <translation>无法在 %1 中打开数据库。</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n file(s) could not be moved and stayed in %1.</source>
        <translation>
            <numerusform>有 %n 个文件未能移动，仍保留在 %1 中。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../patient/unitentry.cpp" line="+1"/>
        <source>Please enter the correct birthday</source>
        <translation>请输入正确的出生日期</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct weight</source>
        <translation>请输入正确的体重</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter the correct height</source>
        <translation>请输入正确的身高</translation>
    </message>
</context>
<context>
    <name>SyncHelper</name>
    <message>
        <location filename="../../cloud/cloudaccount.cpp" line="+17"/>
        <source>Unknown err</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <location filename="../../cloud/cloudwire.cpp" line="+91"/>
        <source>Host not found</source>
        <translation>找不到主机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1.%2.%3</source>
        <translation>%1.%2.%3</translation>
    </message>
</context>
<context>
    <name>TrendWidget</name>
    <message>
        <location filename="../../trend/trendwidget.ui" line="+14"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Week</source>
        <translation>周</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>O2 Score</source>
        <translation>O2评分</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Drops over 4%</source>
        <translation>下降超过4%</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lowest SpO2</source>
        <translation>最低SpO2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avg.SpO2</source>
        <translation>平均SpO2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avg.PR</source>
        <translation>平均PR</translation>
    </message>
    <message>
        <location filename="../../trend/trendwidget.cpp" line="+90"/>
        <source>Avg.O2</source>
        <translation>平均血氧</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg.PR</source>
        <comment>venrik</comment>
        <translation>平均PR</translation>
    </message>
</context>
<context>
    <name>UnitEntry</name>
    <message>
        <location filename="../../patient/unitentry.cpp" line="-58"/>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
</context>
<context>
    <name>bebrins2</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-336"/>
        <source>Oxgen Reminder</source>
        <translation>血氧提醒</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oxgen Reminder Switch</source>
        <translation>血氧提醒开关</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oxgen Threshold</source>
        <translation>血氧阈值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR Reminder</source>
        <translation>PR提醒</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR Reminder Switch</source>
        <translation>PR提醒开关</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low PR Threshold</source>
        <translation>PR下限阈值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High PR Threshold</source>
        <translation>PR上限阈值</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>30 s</source>
        <translation>30秒</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>1 min</source>
        <translation>1分钟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 min</source>
        <translation>2分钟</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>3 min</source>
        <translation>3分钟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4 min</source>
        <translation>4分钟</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>5 min</source>
        <translation>5分钟</translation>
    </message>
</context>
<context>
    <name>remarksInputDialog</name>
    <message>
        <location filename="../../patient/remarksinputdialog.ui" line="+14"/>
        <source>Mark</source>
        <translation>标注</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Mark:</source>
        <translation>标注：</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>venrik</name>
    <message>
        <location filename="../../protocol/devicesettingdlg.cpp" line="-59"/>
        <source>Oxgen Reminder</source>
        <translation>血氧提醒</translation>
    </message>
</context>
<context>
    <name>volome</name>
    <message>
        <location line="-11"/>
        <source>Lowest</source>
        <translation>最低</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle</source>
        <translation>中</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highest</source>
        <translation>最高</translation>
    </message>
</context>
</TS>
